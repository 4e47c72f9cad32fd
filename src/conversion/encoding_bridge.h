// The bridge between system-code-page text (code page 932) and UTF-16 units.
//
// Both conversions are stateless and accept any content: malformed bytes and
// units without a character are substituted, never reported. Running out of
// memory raises EOutOfMemory and delivers nothing.
#pragma once

#include <cstddef>

#include "cp932_tables.h"
#include "system_text.h"

namespace dividir {

// Converts system text to UTF-16, one unit per character, never more units
// than bytes. Malformed input is read like this (after the WHATWG Shift_JIS
// decoder, but with the code page's own default character U+30FB and its own
// single bytes, and never taking a byte above the trail range into a pair):
//   - a byte that is no lead byte gives the unit the table assigns it
//     (0x80, 0xA0 and 0xFD to 0xFF included);
//   - a lead byte and the byte after it that together make a character give
//     that character;
//   - a lead byte followed by a byte from 0x80 to 0xFC that makes no
//     character with it gives U+30FB for the pair;
//   - otherwise (the text ends after the lead byte, or the next byte is ASCII
//     or above 0xFC) the lead byte alone gives U+30FB and the next byte is
//     read on its own, so a broken character never swallows the line break,
//     the byte 0 or the ASCII character behind it.
Utf16Text SystemToUtf16(SystemTextView text);

// The bytes that can follow a lead byte as the second byte of a pair without
// being read on their own when the pair makes no character.
constexpr bool IsTrailRangeByte(unsigned char byte) { return byte >= 0x80 && byte <= 0xFC; }

// One character read as SystemToUtf16 reads it, by the rules above.
struct DecodedCharacter {
    Utf16Unit unit;
    std::size_t length;  // bytes it takes: 1 or 2
};

// Reads the character at the start of `bytes`, of which `remaining` (at
// least 1) are left.
inline DecodedCharacter DecodeCharacter(const unsigned char* bytes,
                                        std::size_t remaining) noexcept {
    const unsigned char byte = bytes[0];
    const unsigned row = cp932::kLeadByteRow[byte];
    if (row == 0) return {cp932::kSingleByteToUnit[byte], 1};
    if (remaining > 1) {
        const unsigned char trail = bytes[1];
        const Utf16Unit unit = cp932::kDoubleByteToUnit[row - 1][trail];
        if (unit != 0) return {unit, 2};
        if (IsTrailRangeByte(trail)) return {cp932::kUnicodeDefaultChar, 2};
    }
    return {cp932::kUnicodeDefaultChar, 1};
}

// Converts UTF-16 units to system text, one or two bytes per unit. A unit
// without a character in the code page gives its best-fit character, else
// "?"; a surrogate half is converted alone like such a unit. The unit 0
// gives the byte 0.
SystemText Utf16ToSystem(Utf16TextView units);

// Writes the one or two bytes of a single unit to `out`, exactly as
// Utf16ToSystem converts a one-unit sequence, and returns how many it wrote.
inline std::size_t WriteUnitAsSystem(Utf16Unit unit, char* out) noexcept {
    const unsigned bytes = cp932::kUnitToBytes[unit];
    if (bytes < 0x100) {
        out[0] = static_cast<char>(bytes);
        return 1;
    }
    out[0] = static_cast<char>(bytes >> 8);
    out[1] = static_cast<char>(bytes & 0xFF);
    return 2;
}

// The most bytes WriteUnitAsSystem writes for one unit.
inline constexpr std::size_t kMaxBytesPerUnit = 2;

}  // namespace dividir
