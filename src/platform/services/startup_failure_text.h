// The text of the box that reports an error escaping start-up, before any
// window can show it.
#pragma once

#include <cstdint>
#include <string_view>

#include "conversion/system_text.h"

namespace dividir {

// "Exception <className> in module <moduleName> at <address>.\r\n<message>
// <full stop>\r\n", where the address is upper-case hexadecimal with at least
// eight digits (more only for a position beyond 4 GiB, which is shown in full
// rather than cut), and the full stop is "." when the message is not empty and
// its last byte is not ".". Unlike the error display's rule this one looks at
// the last byte alone, double-byte characters or not.
//
// The message is copied byte for byte: a byte 0 or "%" in it is text.
SystemText StartupFailureText(std::string_view className, SystemTextView moduleName,
                              std::uintptr_t address, SystemTextView message);

}  // namespace dividir
