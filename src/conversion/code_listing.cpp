#include "code_listing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "encoding_bridge.h"
#include "out_of_memory.h"

namespace dividir {

namespace {

constexpr Utf16Unit kBlank = 0x20;
// character (2) + TAB + five digits + TAB + "0x" + eight digits + CR LF
constexpr std::size_t kMaxLineLength = kMaxBytesPerUnit + 1 + 5 + 1 + 2 + 8 + 2;
// The line is written in stores of up to eight bytes that may reach past its
// end; the next line overwrites the excess, the final resize cuts it off.
constexpr std::size_t kStoreSlack = 8;

// Writes the eight bytes of `bytes`, lowest first, as one store.
inline void StoreEight(std::uint64_t bytes, char* out) noexcept {
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t swapped = 0;
        for (int i = 0; i < 8; ++i) swapped = swapped << 8 | ((bytes >> (8 * i)) & 0xFF);
        bytes = swapped;
    }
    std::memcpy(out, &bytes, sizeof bytes);
}

// The fields of a line are written without a branch on their widths: the
// widths (one or two bytes of character, two to five digits) change from
// unit to unit in Japanese text, and mispredicted branches would cost more
// than writing a whole field every time.

// Writes the unit's one or two bytes like WriteUnitAsSystem, plus a spare.
char* WriteCharacter(Utf16Unit unit, char* out) noexcept {
    const unsigned bytes = cp932::kUnitToBytes[unit];
    const unsigned two_bytes = (bytes + 0xFF00u) >> 16;  // 1 for a pair (above 0xFF), else 0
    // Brings the lead byte (the high byte) of a pair to the low half.
    const auto first_low =
        std::rotl(static_cast<std::uint16_t>(bytes), static_cast<int>(8 * two_bytes));
    out[0] = static_cast<char>(first_low);
    out[1] = static_cast<char>(first_low >> 8);
    return out + 1 + two_bytes;
}

// Two characters per entry, the first in the low byte: "00" to "99" for the
// decimal field, "00" to "FF" for the hex field.
struct DigitPairs {
    std::array<std::uint16_t, 100> decimal{};
    std::array<std::uint16_t, 256> hex{};
};

constexpr DigitPairs MakeDigitPairs() {
    constexpr char kHexDigits[] = "0123456789ABCDEF";
    DigitPairs pairs;
    for (unsigned i = 0; i < 100; ++i) {
        pairs.decimal[i] = static_cast<std::uint16_t>(('0' + i / 10) | ('0' + i % 10) << 8);
    }
    for (unsigned i = 0; i < 256; ++i) {
        pairs.hex[i] = static_cast<std::uint16_t>(kHexDigits[i >> 4] | kHexDigits[i & 0xF] << 8);
    }
    return pairs;
}

constexpr DigitPairs kDigitPairs = MakeDigitPairs();

// Writes the unit's value in decimal, without leading zeros, and a TAB.
char* WriteDecimalAndTab(unsigned value, char* out) noexcept {
    // Five digits, the most significant in the low byte (first in the text).
    const unsigned hundreds = value / 100;
    const std::uint64_t digits = ('0' + hundreds / 100) |
                                 std::uint64_t{kDigitPairs.decimal[hundreds % 100]} << 8 |
                                 std::uint64_t{kDigitPairs.decimal[value % 100]} << 24;
    // Units above the blank have at least two digits.
    const int length = 2 + (value >= 100) + (value >= 1000) + (value >= 10000);
    // Dropping the leading zeros moves the first significant digit to the front.
    StoreEight(digits >> (8 * (5 - length)) | std::uint64_t{'\t'} << (8 * length), out);
    return out + length + 1;
}

// Writes "0x0000", the unit's four hex digits and CR LF.
char* WriteHexFieldAndLineEnd(unsigned value, char* out) noexcept {
    StoreEight(std::uint64_t{'0'} | std::uint64_t{'x'} << 8 | std::uint64_t{0x30303030} << 16 |
                   std::uint64_t{kDigitPairs.hex[value >> 8]} << 48,
               out);
    StoreEight(std::uint64_t{kDigitPairs.hex[value & 0xFF]} | std::uint64_t{'\r'} << 16 |
                   std::uint64_t{'\n'} << 24,
               out + 8);
    return out + 12;
}

}  // namespace

SystemText FormatCodeListing(SystemTextView text) {
    const Utf16Text units = SystemToUtf16(text);
    return BuildOrRaiseOutOfMemory([&] {
        const auto listed = static_cast<std::size_t>(
            std::count_if(units.begin(), units.end(), [](Utf16Unit u) { return u > kBlank; }));
        if (listed == 0) return SystemText();
        // Where size_t is 32 bits, a long text's room could wrap around.
        if (listed > (SystemText().max_size() - kStoreSlack) / kMaxLineLength) {
            throw std::length_error("code listing");
        }
        SystemText listing(listed * kMaxLineLength + kStoreSlack, '\0');
        char* out = listing.data();
        for (Utf16Unit unit : units) {
            if (unit <= kBlank) continue;
            out = WriteCharacter(unit, out);
            *out++ = '\t';
            out = WriteDecimalAndTab(unit, out);
            out = WriteHexFieldAndLineEnd(unit, out);
        }
        listing.resize(static_cast<std::size_t>(out - listing.data()));
        return listing;
    });
}

}  // namespace dividir
