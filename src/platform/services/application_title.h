// The application title: the caption of the taskbar entry and of every error
// box, derived once at start-up from the program file's path.
#pragma once

#include <cstddef>

#include "conversion/system_text.h"

namespace dividir {

// The longest title, in bytes; a caption is read back into room for 256 bytes
// with its terminating zero.
inline constexpr std::size_t kMaxApplicationTitleBytes = 255;

// The title for the program file at `programPath` (system-code-page text):
//   1. the path ends at its first byte 0, as the system's C-string path does;
//   2. only what follows the last folder separator is kept: a backslash, or a
//      slash as Linux reports paths; double-byte aware, so the byte 0x5C
//      that is the second byte of a character such as 表 or ソ separates
//      nothing;
//   3. the name ends before its first ".", double-byte aware in the same way,
//      so every extension goes and a name beginning with "." gives an empty
//      title;
//   4. the first character is kept as it is and the rest is lower-cased;
//   5. the title is cut to kMaxApplicationTitleBytes, never inside a
//      double-byte character.
// On Windows the path was read into room for 256 bytes, so a longer path lost
// its end, often the whole file name. Here the whole path is
// used, however long, so the title always comes from the program file's own
// name; only the title itself is held to 255 bytes.
// Examples: C:\Tools\UniView.exe gives "Uniview", D:\Work\UNI.TOOL.EXE "Uni",
// TOOL "Tool", /usr/bin/DiviDir "Dividir", and /usr/bin/dividir "dividir":
// the first character is never raised to a capital.
SystemText ApplicationTitleFromPath(SystemTextView programPath);

}  // namespace dividir
