#include "code_listing.h"

#include <algorithm>
#include <cstring>

#include "encoding_bridge.h"
#include "out_of_memory.h"

namespace dividir {

namespace {

constexpr Utf16Unit kBlank = 0x20;
// character (2) + TAB + five digits + TAB + "0x" + eight digits + CR LF
constexpr std::size_t kMaxLineLength = kMaxBytesPerUnit + 1 + 5 + 1 + 2 + 8 + 2;

// Writes a unit's value in decimal, without leading zeros.
char* WriteDecimal(unsigned value, char* out) noexcept {
    char digits[5];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0) *out++ = digits[--count];
    return out;
}

// Writes "0x0000" and the unit's four hex digits: a unit never needs more.
char* WriteHexField(unsigned value, char* out) noexcept {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    std::memcpy(out, "0x0000", 6);
    out[6] = kHexDigits[(value >> 12) & 0xF];
    out[7] = kHexDigits[(value >> 8) & 0xF];
    out[8] = kHexDigits[(value >> 4) & 0xF];
    out[9] = kHexDigits[value & 0xF];
    return out + 10;
}

}  // namespace

SystemText FormatCodeListing(SystemTextView text) {
    const Utf16Text units = SystemToUtf16(text);
    return BuildOrRaiseOutOfMemory([&] {
        const auto listed = static_cast<std::size_t>(
            std::count_if(units.begin(), units.end(), [](Utf16Unit u) { return u > kBlank; }));
        SystemText listing(listed * kMaxLineLength, '\0');
        char* out = listing.data();
        for (Utf16Unit unit : units) {
            if (unit <= kBlank) continue;
            out += WriteUnitAsSystem(unit, out);
            *out++ = '\t';
            out = WriteDecimal(unit, out);
            *out++ = '\t';
            out = WriteHexField(unit, out);
            *out++ = '\r';
            *out++ = '\n';
        }
        listing.resize(static_cast<std::size_t>(out - listing.data()));
        return listing;
    });
}

}  // namespace dividir
