#include "startup_failure_text.h"

#include "conversion/out_of_memory.h"

namespace dividir {

namespace {

SystemText UpperHex(std::uintptr_t value) {
    constexpr std::size_t kMinDigits = 8;
    SystemText digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[value % 16]);
        value /= 16;
    } while (value != 0);
    if (digits.size() < kMinDigits) digits.insert(0, kMinDigits - digits.size(), '0');
    return digits;
}

}  // namespace

SystemText StartupFailureText(std::string_view className, SystemTextView moduleName,
                              std::uintptr_t address, SystemTextView message) {
    return BuildOrRaiseOutOfMemory([&] {
        // Built piece by piece rather than through a format string, so that
        // nothing in the message is ever read as a directive or an end.
        SystemText text = "Exception ";
        text += className;
        text += " in module ";
        text += moduleName;
        text += " at ";
        text += UpperHex(address);
        text += ".\r\n";
        text += message;
        if (!message.empty() && message.back() != '.') text += '.';
        text += "\r\n";
        return text;
    });
}

}  // namespace dividir
