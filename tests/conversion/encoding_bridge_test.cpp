#include "conversion/encoding_bridge.h"

#include <gtest/gtest.h>

#include <string>

namespace dividir {
namespace {

using namespace std::string_literals;

struct DecodeCase {
    const char* name;
    SystemText bytes;
    Utf16Text units;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class SystemToUtf16Cases : public testing::TestWithParam<DecodeCase> {};

TEST_P(SystemToUtf16Cases, GivesTheUnits) {
    EXPECT_EQ(SystemToUtf16(GetParam().bytes), GetParam().units);
}

// Well-formed text, then every kind of malformed text the decoder must survive.
INSTANTIATE_TEST_SUITE_P(
    Conversions, SystemToUtf16Cases,
    testing::Values(DecodeCase{"Empty", ""s, u""}, DecodeCase{"Ascii", "A"s, u"A"},
                    DecodeCase{"Hiragana", "\x82\xA0"s, u"\u3042"},
                    DecodeCase{"HalfWidthKatakana", "\xB1"s, u"\uFF71"},
                    DecodeCase{"IdeographicSpace", "\x81\x40"s, u"\u3000"},
                    DecodeCase{"ByteZeroInside", "A\0B"s, u"A\0B"s},
                    DecodeCase{"Backslash", "\\"s, u"\\"},
                    DecodeCase{"SecondByteIs5C", "\x95\x5C"s, u"\u8868"},
                    DecodeCase{"UndefinedSingleBytes", "\x80\xA0\xFD\xFE\xFF"s,
                               u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3"},
                    DecodeCase{"LeadByteAtEnd", "A\x82"s, u"A\u30FB"},
                    DecodeCase{"LeadByteBeforeLineBreak", "\x82\r\n"s, u"\u30FB\r\n"},
                    DecodeCase{"LeadByteBeforeByteZero", "\x82\0A"s, u"\u30FB\0A"s},
                    DecodeCase{"LeadByteBeforeAsciiWithoutCharacter", "\x82\x41"s, u"\u30FBA"},
                    DecodeCase{"LeadByteBeforeHighByteWithoutCharacter",
                               "\x82\xFC"
                               "A"s,
                               u"\u30FBA"},
                    DecodeCase{"LeadByteBeforeByteAboveTrailRange", "\x82\xFD"s, u"\u30FB\uF8F1"},
                    DecodeCase{"TwoLeadBytesMakeACharacter", "\x88\x9F"s, u"\u4E9C"},
                    DecodeCase{"LeadByteWithoutAnyCharacters", "\x85\x80"s, u"\u30FB"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EncodeCase {
    const char* name;
    Utf16Text units;
    SystemText bytes;
};

void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }

class Utf16ToSystemCases : public testing::TestWithParam<EncodeCase> {};

TEST_P(Utf16ToSystemCases, GivesTheBytes) {
    EXPECT_EQ(Utf16ToSystem(GetParam().units), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, Utf16ToSystemCases,
    testing::Values(EncodeCase{"Empty", u"", ""s}, EncodeCase{"UnitZeroIsOneByte", u"\0"s, "\0"s},
                    EncodeCase{"Ascii", u"A", "A"s}, EncodeCase{"Hiragana", u"\u3042", "\x82\xA0"s},
                    EncodeCase{"HalfWidthKatakana", u"\uFF71", "\xB1"s},
                    EncodeCase{"NoCharacterGivesDefault", u"\u0BE2", "?"s},
                    EncodeCase{"MaximumUnitGivesDefault", u"\uFFFF", "?"s},
                    EncodeCase{"BestFit", u"\u00A5", "\\"s},
                    EncodeCase{"LoneSurrogate", u"\xD800"s, "?"s},
                    EncodeCase{"Mixed", u"a\u3042\0\uFF71"s, "a\x82\xA0\0\xB1"s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf16ToSystem, NeverEmptyForAnySingleUnit) {
    for (unsigned value = 0; value <= 0xFFFF; ++value) {
        const auto unit = static_cast<Utf16Unit>(value);
        const SystemText text = Utf16ToSystem(Utf16TextView(&unit, 1));
        ASSERT_TRUE(text.size() == 1 || text.size() == 2) << std::hex << value;
    }
}

TEST(Bridge, LongTextConvertsWholeBothWays) {
    // Thousands of double-byte characters with line breaks between them.
    SystemText text;
    Utf16Text units;
    for (int i = 0; i < 20000; ++i) {
        text += "\x88\x9F\x82\xA0\r\n";
        units += u"\u4E9C\u3042\r\n";
    }
    EXPECT_EQ(SystemToUtf16(text), units);
    EXPECT_EQ(Utf16ToSystem(units), text);
}

}  // namespace
}  // namespace dividir
