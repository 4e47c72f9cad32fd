// Double-byte aware stepping through system-code-page text: the system's
// CharNextA, as the shell's text rules need it.
#pragma once

#include <cstddef>

#include "conversion/system_text.h"

namespace dividir {

// The position of the character after the one that starts at `position`:
// two bytes on for a lead byte with a byte behind it, one byte otherwise.
// Never steps past the end.
std::size_t NextCharacter(SystemTextView text, std::size_t position) noexcept;

// Where the last character of a non-empty text starts.
std::size_t LastCharacterStart(SystemTextView text) noexcept;

}  // namespace dividir
