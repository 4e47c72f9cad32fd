#include "conversion/code_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace dividir {
namespace {

using namespace std::string_literals;

struct ListingCase {
    const char* name;
    SystemText input;
    SystemText listing;
};

void PrintTo(const ListingCase& c, std::ostream* os) { *os << c.name; }

class WorkedExamples : public testing::TestWithParam<ListingCase> {};

TEST_P(WorkedExamples, GiveTheListing) {
    EXPECT_EQ(FormatCodeListing(GetParam().input), GetParam().listing);
}

INSTANTIATE_TEST_SUITE_P(
    CodeListing, WorkedExamples,
    testing::Values(
        ListingCase{"Empty", ""s, ""s}, ListingCase{"Letter", "A"s, "A\t65\t0x00000041\r\n"s},
        ListingCase{"Hiragana", "\x82\xA0"s, "\x82\xA0\t12354\t0x00003042\r\n"s},
        ListingCase{"IdeographicSpace", "\x81\x40"s, "\x81\x40\t12288\t0x00003000\r\n"s},
        ListingCase{"HalfWidthKatakana", "\xB1"s, "\xB1\t65393\t0x0000FF71\r\n"s},
        ListingCase{"LowestListedUnit", "!"s, "!\t33\t0x00000021\r\n"s},
        ListingCase{"Delete", "\x7F"s, "\x7F\t127\t0x0000007F\r\n"s},
        ListingCase{"Blank", " "s, ""s},
        ListingCase{"OnlyBlanksTabsAndLineBreaks", " \t\r\n \r\n\t"s, ""s},
        ListingCase{"ByteZeroIsSkipped", "\0"s, ""s},
        ListingCase{"RepeatsAreListedEachTime", "a b\r\na"s,
                    "a\t97\t0x00000061\r\nb\t98\t0x00000062\r\na\t97\t0x00000061\r\n"s},
        // The character field is the unit converted back, not the input bytes:
        // the NEC-selected form of this kanji comes back as the IBM form.
        ListingCase{"CharacterIsConvertedBack", "\xED\x40"s, "\xFA\x5C\t32394\t0x00007E8A\r\n"s},
        // A broken character gives the default character's line and keeps
        // the line break behind it out of the listing.
        ListingCase{"BrokenCharacter", "\x82\r\n"s, "\x81\x45\t12539\t0x000030FB\r\n"s}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodeListing, OneWellFormedLinePerListedUnitOfALongText) {
    SystemText text;
    for (int i = 0; i < 5000; ++i) text += "\x88\x9F x\xB1\r\n";  // three listed units
    const SystemText listing = FormatCodeListing(text);
    EXPECT_EQ(std::count(listing.begin(), listing.end(), '\n'), 15000);
    const SystemText block =
        "\x88\x9F\t20124\t0x00004E9C\r\nx\t120\t0x00000078\r\n"
        "\xB1\t65393\t0x0000FF71\r\n";
    ASSERT_EQ(listing.size(), 5000 * block.size());
    for (std::size_t at = 0; at < listing.size(); at += block.size()) {
        ASSERT_EQ(listing.compare(at, block.size(), block), 0) << "at byte " << at;
    }
}

TEST(CodeListing, BlanksTabsAndLineBreaksDoNotChangeIt) {
    const SystemText text =
        "\x82\xA0"
        "A\x81\x40";
    EXPECT_EQ(FormatCodeListing(" \t" + text + "\r\n "), FormatCodeListing(text));
}

}  // namespace
}  // namespace dividir
