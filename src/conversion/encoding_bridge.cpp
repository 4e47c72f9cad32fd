#include "encoding_bridge.h"

#include "out_of_memory.h"

namespace dividir {

namespace {

constexpr bool IsTrailRangeByte(unsigned char byte) { return byte >= 0x80 && byte <= 0xFC; }

// Decodes `length` bytes into `out`, which has room for `length` units;
// returns the number of units written.
std::size_t DecodeInto(const unsigned char* in, std::size_t length, char16_t* out) noexcept {
    char16_t* const start = out;
    std::size_t i = 0;
    while (i < length) {
        const unsigned char byte = in[i];
        const unsigned row = cp932::kLeadByteRow[byte];
        if (row == 0) {
            *out++ = cp932::kSingleByteToUnit[byte];
            ++i;
            continue;
        }
        if (i + 1 < length) {
            const unsigned char trail = in[i + 1];
            const char16_t unit = cp932::kDoubleByteToUnit[row - 1][trail];
            if (unit != 0) {
                *out++ = unit;
                i += 2;
                continue;
            }
            if (IsTrailRangeByte(trail)) {
                *out++ = cp932::kUnicodeDefaultChar;
                i += 2;
                continue;
            }
        }
        *out++ = cp932::kUnicodeDefaultChar;
        ++i;
    }
    return static_cast<std::size_t>(out - start);
}

}  // namespace

Utf16Text SystemToUtf16(SystemTextView text) {
    if (text.empty()) return {};
    return BuildOrRaiseOutOfMemory([&] {
        Utf16Text units(text.size(), u'\0');
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        units.resize(DecodeInto(bytes, text.size(), units.data()));
        return units;
    });
}

SystemText Utf16ToSystem(Utf16TextView units) {
    if (units.empty()) return {};
    return BuildOrRaiseOutOfMemory([&] {
        SystemText text(units.size() * kMaxBytesPerUnit, '\0');
        char* out = text.data();
        for (Utf16Unit unit : units) out += WriteUnitAsSystem(unit, out);
        text.resize(static_cast<std::size_t>(out - text.data()));
        return text;
    });
}

}  // namespace dividir
