// The two text forms the tool moves between.
#pragma once

#include <string>
#include <string_view>

namespace dividir {

// Text in the system code page (code page 932): bytes with an explicit length.
// A character takes one or two bytes; a byte 0 is data like any other and
// never ends the text.
using SystemText = std::string;
using SystemTextView = std::string_view;

// One UTF-16 code unit: the tool's notion of a character's code.
using Utf16Unit = char16_t;

// UTF-16 code units with an explicit length; the unit 0 is data too.
using Utf16Text = std::u16string;
using Utf16TextView = std::u16string_view;

}  // namespace dividir
