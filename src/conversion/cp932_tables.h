// Code page 932 (Windows Shift-JIS) as lookup tables. The data lives in
// cp932_tables.cpp, which is generated from the published best-fit table by
// tools/cp932_table_generator; do not edit that file by hand.
#pragma once

#include <array>
#include <cstdint>

namespace dividir::cp932 {

// The code page's default characters: what a unit without a character
// becomes in bytes, and what malformed bytes become as a unit.
inline constexpr char kSystemDefaultChar = '?';
inline constexpr char16_t kUnicodeDefaultChar = 0x30FB;  // KATAKANA MIDDLE DOT

inline constexpr int kTrailCount = 256;

// For every byte: 0 if it is no lead byte, otherwise 1 + the lead byte's row
// in kDoubleByteToUnit.
extern const std::array<std::uint8_t, 256> kLeadByteRow;

// For every byte that is no lead byte: its unit.
extern const std::array<char16_t, 256> kSingleByteToUnit;

// Row r (from kLeadByteRow, minus 1) holds, for every trail byte, the unit of
// the two-byte character, or 0 where the pair makes no character.
extern const std::array<std::array<char16_t, kTrailCount>, 60> kDoubleByteToUnit;

// For every unit: its bytes, best fit included. A value below 0x100 is one
// byte; otherwise the high byte is the lead byte and the low byte the trail
// byte. Units without a character hold kSystemDefaultChar.
extern const std::array<std::uint16_t, 65536> kUnitToBytes;

}  // namespace dividir::cp932
