#include "platform/services/lower_case.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

#include "conversion/encoding_bridge.h"
#include "system_text_literal.h"

namespace dividir {
namespace {

using testing::Sys;

struct LowerCaseCase {
    const char* name;
    std::u16string_view text;
    std::u16string_view lowered;
};

void PrintTo(const LowerCaseCase& c, std::ostream* os) { *os << c.name; }

class LowerCaseTest : public ::testing::TestWithParam<LowerCaseCase> {};

TEST_P(LowerCaseTest, LowersCapitalsOnly) {
    const LowerCaseCase& c = GetParam();
    EXPECT_EQ(LowerCaseSystemText(Sys(c.text)), Sys(c.lowered));
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, LowerCaseTest,
    ::testing::Values(LowerCaseCase{"Ascii", u"ABC xyz @AZ[`az{ 09", u"abc xyz @az[`az{ 09"},
                      LowerCaseCase{"FullWidthLatin", u"ＡＢＺａｚ＠［", u"ａｂｚａｚ＠［"},
                      LowerCaseCase{"Greek", u"ΑΒΡΣΩαω", u"αβρσωαω"},
                      LowerCaseCase{"Cyrillic", u"АЁНОЯая", u"аёнояая"},
                      LowerCaseCase{"RomanNumerals", u"ⅠⅩⅰ", u"ⅰⅹⅰ"},
                      LowerCaseCase{"AngstromSignHasNoLowerCaseOfItsSize", u"\u212B", u"\u212B"},
                      LowerCaseCase{"KanaKanjiAndSymbolsUnchanged", u"あア漢字ー①№℡",
                                    u"あア漢字ー①№℡"},
                      LowerCaseCase{"SingleByteKatakanaUnchanged", u"ｱｶﾞﾝﾟ｡", u"ｱｶﾞﾝﾟ｡"},
                      LowerCaseCase{"Mixed", u"Kelo日本語ＵＩ", u"kelo日本語ｕｉ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LowerCaseBytesTest, SecondBytesThatLookLikeCapitalsStayAsTheyAre) {
    // ア イ ウ are 83 41, 83 43, 83 45: their second bytes are "A", "C", "E".
    const std::string katakana = Sys(u"アイウ");
    ASSERT_EQ(katakana, "\x83\x41\x83\x43\x83\x45");
    EXPECT_EQ(LowerCaseSystemText(katakana), katakana);
}

TEST(LowerCaseBytesTest, BothCodesOfRomanNumeralsGiveTheSameSmallNumeral) {
    // Ⅰ has an NEC code (87 54) and an IBM code (FA 4A); ⅰ is FA 40.
    EXPECT_EQ(LowerCaseSystemText("\x87\x54\xFA\x4A"), "\xFA\x40\xFA\x40");
}

TEST(LowerCaseBytesTest, MalformedBytesAreReadAsTheEncodingBridgeReadsThem) {
    using namespace std::string_literals;
    // 85 41 makes no character, so "A" is a letter of its own.
    EXPECT_EQ(LowerCaseSystemText("\x85"
                                  "A"),
              "\x85"
              "a");
    // A lead byte at the end stays alone; a byte 0 is data.
    EXPECT_EQ(LowerCaseSystemText("A\0B\x81"s), "a\0b\x81"s);
    // 85 9F makes no character but holds a second byte: the pair stays.
    EXPECT_EQ(LowerCaseSystemText("\x85\x9F"), "\x85\x9F");
}

// The code page's double-byte capitals as runs of bytes: the first capital,
// the first small letter, and how many follow in step.
struct CapitalRun {
    unsigned upper;
    unsigned lower;
    unsigned count;
};

constexpr CapitalRun kCapitalRuns[] = {
    {0x8260, 0x8281, 26},  // Ａ-Ｚ
    {0x839F, 0x83BF, 24},  // Α-Ω
    {0x8440, 0x8470, 15},  // А-Н (the small letters skip the byte 7F)
    {0x844F, 0x8480, 18},  // О-Я
    {0x8754, 0xFA40, 10},  // Ⅰ-Ⅹ, NEC codes
    {0xFA4A, 0xFA40, 10},  // Ⅰ-Ⅹ, IBM codes
};

std::string Bytes(unsigned code) {
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(LowerCaseCodePageTest, ExactlyTheDoubleByteCapitalsChange) {
    std::map<unsigned, unsigned> expected;
    for (const CapitalRun& run : kCapitalRuns) {
        for (unsigned i = 0; i < run.count; ++i) expected[run.upper + i] = run.lower + i;
    }
    int changed = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string character = Bytes(lead << 8 | trail);
            // Only pairs that are read as one character; the others are
            // covered by the malformed-byte cases above.
            if (SystemToUtf16(character).size() != 1) continue;
            const auto found = expected.find(lead << 8 | trail);
            const std::string want = found == expected.end() ? character : Bytes(found->second);
            EXPECT_EQ(LowerCaseSystemText(character), want) << std::hex << (lead << 8 | trail);
            if (found != expected.end()) ++changed;
        }
    }
    EXPECT_EQ(changed, static_cast<int>(expected.size()));
}

}  // namespace
}  // namespace dividir
