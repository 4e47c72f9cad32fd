#include "code_entry.h"

#include <algorithm>

#include "encoding_bridge.h"
#include "exception.h"
#include "out_of_memory.h"

namespace dividir {

namespace {

constexpr SystemTextView kHexPrefix = "0x";
// Above these the next digit could overflow: hex stops before a ninth
// significant digit, decimal gives up once the value can no longer fit.
constexpr CodeValue kLastHexAccumulator = 0x0FFFFFFF;
constexpr CodeValue kLastDecimalAccumulator = 214748364;
constexpr CodeValue kLargestDecimal = 2147483647;

constexpr bool IsDecimalDigit(char byte) { return byte >= '0' && byte <= '9'; }

constexpr int HexDigitValue(char byte) {
    if (byte >= '0' && byte <= '9') return byte - '0';
    if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
    if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
    return -1;
}

// Reads the hex digits at the start of `digits` (the text after "0x").
ScanResult ReadHexDigits(SystemTextView digits) {
    CodeValue accumulator = 0;
    if (digits.empty()) return {0, false};
    for (char byte : digits) {
        const int digit = HexDigitValue(byte);
        if (digit < 0 || accumulator > kLastHexAccumulator) return {accumulator, false};
        accumulator = accumulator * 16 + static_cast<CodeValue>(digit);
    }
    return {accumulator, true};
}

ScanResult ReadDecimalDigits(SystemTextView digits) {
    if (digits.empty()) return {0, false};
    CodeValue accumulator = 0;
    for (char byte : digits) {
        if (!IsDecimalDigit(byte) || accumulator > kLastDecimalAccumulator) {
            return {accumulator, false};
        }
        accumulator = accumulator * 10 + static_cast<CodeValue>(byte - '0');
    }
    return {accumulator, accumulator <= kLargestDecimal};
}

}  // namespace

ScanResult ScanInteger(SystemTextView text) {
    if (text.starts_with(kHexPrefix)) return ReadHexDigits(text.substr(kHexPrefix.size()));
    return ReadDecimalDigits(text);
}

CodeValue StrictInteger(SystemTextView text) {
    const ScanResult result = ScanInteger(text);
    if (!result.accepted) throw EConvertError(ConversionErrorMessage(text));
    return result.value;
}

CodeValue ParseCodeEntry(SystemTextView entry) {
    if (entry.starts_with(kHexPrefix)) return ScanInteger(entry).value;
    if (std::all_of(entry.begin(), entry.end(), IsDecimalDigit)) return StrictInteger(entry);
    // Read as if "0x" stood in front of the entry; the entry itself stays as it is.
    return ReadHexDigits(entry).value;
}

SystemText CharacterForCode(CodeValue value) {
    const Utf16Unit unit = static_cast<Utf16Unit>(value & 0xFFFF);
    return Utf16ToSystem(Utf16TextView(&unit, 1));
}

SystemText ConversionErrorMessage(SystemTextView entry) {
    // Joined piece by piece: the entry may hold a byte 0 or a "%".
    return BuildOrRaiseOutOfMemory([&] {
        SystemText message;
        message.reserve(entry.size() + 32);
        message += '\'';
        message += entry;
        message += "' is not a valid integer value";
        return message;
    });
}

}  // namespace dividir
