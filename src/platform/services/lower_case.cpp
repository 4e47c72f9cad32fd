#include "lower_case.h"

#include <cstddef>
#include <cstdint>

#include "conversion/cp932_tables.h"
#include "conversion/encoding_bridge.h"
#include "conversion/out_of_memory.h"

namespace dividir {

namespace {

struct UpperCaseRun {
    char16_t first;
    char16_t last;
    char16_t lowerOfFirst;
};

// Unicode's simple lower-case mappings for every code that code page 932 can
// hold and that has one; the code page has no other cased letters. The
// Angstrom sign is here although its lower-case form, a-ring, is missing from
// the code page, so that the rule below and not this table keeps it as it is.
constexpr UpperCaseRun kUpperCaseRuns[] = {
    {u'A', u'Z', u'a'},
    {0x0391, 0x03A1, 0x03B1},  // Greek Alpha to Rho (0x03A2 is unassigned)
    {0x03A3, 0x03A9, 0x03C3},  // Greek Sigma to Omega
    {0x0400, 0x040F, 0x0450},  // Cyrillic Ie with grave to Dzhe, Io among them
    {0x0410, 0x042F, 0x0430},  // Cyrillic A to Ya
    {0x212B, 0x212B, 0x00E5},  // Angstrom sign
    {0x2160, 0x216F, 0x2170},  // Roman numerals
    {0xFF21, 0xFF3A, 0xFF41},  // full-width Latin
};

char16_t LowerCaseUnit(char16_t unit) noexcept {
    for (const UpperCaseRun& run : kUpperCaseRuns) {
        if (unit >= run.first && unit <= run.last)
            return static_cast<char16_t>(run.lowerOfFirst + (unit - run.first));
    }
    return unit;
}

// Writes the lower-case form of the single-byte character at `at`.
void LowerSingleByte(char* at) noexcept {
    const auto byte = static_cast<unsigned char>(*at);
    const char16_t lower = LowerCaseUnit(cp932::kSingleByteToUnit[byte]);
    const std::uint16_t bytes = cp932::kUnitToBytes[lower];
    // The table gives best-fit bytes too; only a true character of one byte
    // may replace a character of one byte.
    if (bytes < 0x100 && cp932::kLeadByteRow[bytes] == 0 &&
        cp932::kSingleByteToUnit[bytes] == lower)
        *at = static_cast<char>(bytes);
}

// Writes the lower-case form of the double-byte character `unit` at `at`.
void LowerDoubleByte(char* at, char16_t unit) noexcept {
    const char16_t lower = LowerCaseUnit(unit);
    if (lower == unit) return;
    const std::uint16_t bytes = cp932::kUnitToBytes[lower];
    const unsigned char pair[] = {static_cast<unsigned char>(bytes >> 8),
                                  static_cast<unsigned char>(bytes & 0xFF)};
    // Only a true character of two bytes may replace a character of two bytes.
    const DecodedCharacter written = DecodeCharacter(pair, 2);
    if (bytes >= 0x100 && written.length == 2 && written.unit == lower) {
        at[0] = static_cast<char>(pair[0]);
        at[1] = static_cast<char>(pair[1]);
    }
}

}  // namespace

SystemText LowerCaseSystemText(SystemTextView text) {
    SystemText lowered = BuildOrRaiseOutOfMemory([&] { return SystemText(text); });
    // Steps through the text exactly as SystemToUtf16 reads it, so that an
    // ASCII letter behind a lead byte that makes no character with it is a
    // letter of its own here too.
    const auto* bytes = reinterpret_cast<const unsigned char*>(lowered.data());
    for (std::size_t i = 0; i < lowered.size();) {
        const DecodedCharacter character = DecodeCharacter(bytes + i, lowered.size() - i);
        if (character.length == 1) {
            LowerSingleByte(&lowered[i]);
        } else {
            LowerDoubleByte(&lowered[i], character.unit);
        }
        i += character.length;
    }
    return lowered;
}

}  // namespace dividir
