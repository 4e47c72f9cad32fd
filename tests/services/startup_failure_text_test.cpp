#include "platform/services/startup_failure_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace dividir {
namespace {

using namespace std::string_literals;

TEST(StartupFailureTextTest, FillsTheReportInOrder) {
    EXPECT_EQ(StartupFailureText("EConvertError", "dividir", 0x0012ABCF,
                                 "'' is not a valid integer value"),
              "Exception EConvertError in module dividir at 0012ABCF.\r\n"
              "'' is not a valid integer value.\r\n");
}

TEST(StartupFailureTextTest, AddressHasAtLeastEightUpperCaseDigits) {
    const auto at = [](std::uintptr_t address) {
        const std::string text = StartupFailureText("E", "m", address, "");
        const auto start = text.find(" at ") + 4;
        return text.substr(start, text.find(".\r\n") - start);
    };
    EXPECT_EQ(at(0), "00000000");
    EXPECT_EQ(at(0xabc), "00000ABC");
    EXPECT_EQ(at(0xFFFFFFFF), "FFFFFFFF");
    if constexpr (sizeof(std::uintptr_t) > 4) {
        EXPECT_EQ(at(static_cast<std::uintptr_t>(0x123456789)), "123456789");
    }
}

struct FullStopCase {
    const char* name;
    std::string message;
    bool getsFullStop;
};

void PrintTo(const FullStopCase& c, std::ostream* os) { *os << c.name; }

class StartupFailureFullStopTest : public ::testing::TestWithParam<FullStopCase> {};

TEST_P(StartupFailureFullStopTest, AppendsFullStopUnlessLastByteIsOne) {
    const FullStopCase& c = GetParam();
    EXPECT_EQ(StartupFailureText("Exception", "dividir", 0, c.message),
              "Exception Exception in module dividir at 00000000.\r\n" + c.message +
                  (c.getsFullStop ? ".\r\n" : "\r\n"));
}

// Only the last byte counts, unlike in the error box: "!" and a line break
// get the full stop here.
INSTANTIATE_TEST_SUITE_P(
    LastBytes, StartupFailureFullStopTest,
    ::testing::Values(FullStopCase{"Empty", "", false}, FullStopCase{"FullStop", "Done.", false},
                      FullStopCase{"ExclamationMark", "Stop!", true},
                      FullStopCase{"LineBreak", "line\r\n", true},
                      FullStopCase{"IdeographicFullStop", "\x81\x42", true},  // 。
                      FullStopCase{"FullStopBehindLeadByte", "abc\x81.", false},
                      FullStopCase{"PercentAndByteZeroAreText", "100% %s\0%p"s, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupFailureTextTest, NamesAreCopiedByteForByte) {
    // 表示 as a module name: its first second byte is 5C.
    EXPECT_EQ(StartupFailureText("EOutOfMemory", "\x95\x5C\x8E\xA6", 0x10, "Out of memory"),
              "Exception EOutOfMemory in module \x95\x5C\x8E\xA6 at 00000010.\r\n"
              "Out of memory.\r\n");
}

}  // namespace
}  // namespace dividir
