// The system's lower-case mapping for system-code-page text: the stand-in for
// CharLowerA, as the application title needs it.
#pragma once

#include "conversion/system_text.h"

namespace dividir {

// The text with every upper-case character replaced by its lower-case form.
//
// Characters are read as SystemToUtf16 reads them, since the system's mapping
// works on the text's UTF-16 form. A character changes when its code has a
// simple lower-case form in Unicode and that form is a character of the code
// page with as many bytes: ASCII A-Z, the full-width Latin, Greek and Cyrillic
// capitals and the Roman numerals. Everything else stays as it is: single-byte
// katakana, kana and kanji, malformed bytes, and the Angstrom sign, whose
// lower-case form the code page lacks. So the length never changes.
SystemText LowerCaseSystemText(SystemTextView text);

}  // namespace dividir
