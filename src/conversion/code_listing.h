// The code listing: for every character of a text, its code.
#pragma once

#include "system_text.h"

namespace dividir {

// Lists every UTF-16 unit of `text` above the blank (0x21 to 0xFFFF), in
// order, one line each:
//   character TAB decimal TAB "0x" eight upper-case hex digits CR LF
// The character is the unit converted back alone. Units up to 0x20 (the byte
// 0, control characters, TAB, CR, LF, the blank) get no line; a text without
// listed units gives empty text. Raises EOutOfMemory and delivers nothing if
// memory runs out.
SystemText FormatCodeListing(SystemTextView text);

}  // namespace dividir
