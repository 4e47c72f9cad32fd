// Test texts written as readable characters rather than as code page bytes.
#pragma once

#include <string_view>

#include "conversion/encoding_bridge.h"

namespace dividir::testing {

// The code page 932 bytes of `text`; every character used in the tests has
// them, so nothing is substituted.
inline SystemText Sys(std::u16string_view text) { return Utf16ToSystem(text); }

}  // namespace dividir::testing
