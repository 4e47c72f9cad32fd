#include "platform/services/error_display_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace dividir {
namespace {

using namespace std::string_literals;

struct DisplayCase {
    const char* name;
    std::string message;
    bool getsFullStop;
};

void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class ErrorDisplayTextTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(ErrorDisplayTextTest, AppendsFullStopAfterCharactersAboveIt) {
    const DisplayCase& c = GetParam();
    EXPECT_EQ(ErrorDisplayText(c.message), c.getsFullStop ? c.message + "." : c.message);
}

// Left alone: an empty message and one ending in a single byte from 0x01 to
// 0x2E. Everything else gets ".".
INSTANTIATE_TEST_SUITE_P(
    LastCharacters, ErrorDisplayTextTest,
    ::testing::Values(
        DisplayCase{"ConversionErrorEndsInLetter", "'' is not a valid integer value", true},
        DisplayCase{"Empty", "", false}, DisplayCase{"FullStop", "Out of memory.", false},
        DisplayCase{"FullStopAlone", ".", false}, DisplayCase{"ExclamationMark", "Stop!", false},
        DisplayCase{"ClosingParenthesis", "(none)", false}, DisplayCase{"Hyphen", "a-", false},
        DisplayCase{"Blank", "trailing ", false}, DisplayCase{"LineBreak", "line\r\n", false},
        DisplayCase{"LowestControlCharacter", "x\x01", false}, DisplayCase{"Slash", "a/", true},
        DisplayCase{"QuestionMark", "Why?", true}, DisplayCase{"Colon", "Note:", true},
        DisplayCase{"Digit", "Code 42", true},
        DisplayCase{"IdeographicFullStop", "\x8F\x49\x82\xED\x82\xE8\x81\x42", true},  // 終わり。
        DisplayCase{"SingleByteKatakana", "\xB6\xC0\xB6\xC5", true},  // ｶﾀｶﾅ
        // A lead byte at the end is a character of one byte, above ".".
        DisplayCase{"LoneLeadByte", "abc\x81", true},
        // A lead byte steps over the byte behind it, so 81 2E ends the text
        // as one two-byte character, which begins above ".".
        DisplayCase{"LeadByteBeforeFullStop", "abc\x81.", true},
        // After a pair of lead-range bytes the "." is a character of its own.
        DisplayCase{"FullStopAfterDoubleByteCharacter", "\x81\x81.", false},
        // A byte 0 at the end is text, and below ".".
        DisplayCase{"ByteZero", "abc\0"s, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dividir
