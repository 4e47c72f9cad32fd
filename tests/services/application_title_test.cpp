#include "platform/services/application_title.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "system_text_literal.h"

namespace dividir {
namespace {

using testing::Sys;

struct TitleCase {
    const char* name;
    std::u16string_view path;
    std::u16string_view title;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }

class ApplicationTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ApplicationTitleTest, DerivesTitleFromFileName) {
    const TitleCase& c = GetParam();
    EXPECT_EQ(ApplicationTitleFromPath(Sys(c.path)), Sys(c.title));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ApplicationTitleTest,
    ::testing::Values(
        TitleCase{"WindowsPath", u"C:\\Tools\\UniView.exe", u"Uniview"},
        TitleCase{"EverythingFromFirstDotGoes", u"D:\\Work\\UNI.TOOL.EXE", u"Uni"},
        TitleCase{"SecondByte5CIsNoBackslash", u"C:\\ソフト\\表示.exe", u"表示"},
        TitleCase{"NoFolder", u"UniView.Main.exe", u"Uniview"},
        TitleCase{"ShortName", u"ABC.exe", u"Abc"}, TitleCase{"NoDot", u"TOOL", u"Tool"},
        TitleCase{"LeadingDotGivesEmptyTitle", u".hidden", u""},
        // The first character is kept as it is, never raised to a capital.
        TitleCase{"LinuxPath", u"/usr/bin/dividir", u"dividir"},
        TitleCase{"LinuxPathMixedCase", u"/usr/local/bin/DiviDir", u"Dividir"},
        TitleCase{"LastSeparatorOfEitherKind", u"/opt/kelo\\Tools/X.Y\\Viewer.bin", u"Viewer"},
        TitleCase{"EndsInSeparator", u"C:\\Tools\\", u""}, TitleCase{"EmptyPath", u"", u""},
        TitleCase{"DoubleByteLettersAfterFirstLowerCased", u"/opt/ＵＮＩＶＩＥＷ.exe",
                  u"Ｕｎｉｖｉｅｗ"},
        TitleCase{"DoubleByteFirstCharacterKept", u"/opt/ΔELTA", u"Δelta"},
        TitleCase{"KanaAndKatakanaUnchanged", u"/opt/ﾃｽﾄTOOLかな.exe", u"ﾃｽﾄtoolかな"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplicationTitleBytesTest, ByteOf5CInsideCharactersIsTheTrapTheRuleAvoids) {
    // The folder and file names of the double-byte example really do hide a
    // backslash byte: ソ is 83 5C and 表 is 95 5C.
    EXPECT_EQ(Sys(u"ソ"), "\x83\x5C");
    EXPECT_EQ(Sys(u"表"), "\x95\x5C");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\\x83\x5C\\\x95\x5C\x8E\xA6.exe"), "\x95\x5C\x8E\xA6");
}

TEST(ApplicationTitleBytesTest, PathEndsAtFirstByteZero) {
    using namespace std::string_literals;
    EXPECT_EQ(ApplicationTitleFromPath("C:\\bin\\TOOL\0.exe\\Other.exe"s), "Tool");
    EXPECT_EQ(ApplicationTitleFromPath("\0Tool"s), "");
}

TEST(ApplicationTitleBytesTest, LeadByteHidesTheByteBehindIt) {
    // A lead byte and the byte behind it step as one character, as the
    // system's stepping has it, even where the pair is malformed (81 2E), so
    // a "\" or "." there separates nothing.
    EXPECT_EQ(ApplicationTitleFromPath("C:\\AB\x81\\CD.EXE"), "Ab\x81\\cd");
    EXPECT_EQ(ApplicationTitleFromPath("C:\\AB\x81.CD.EXE"), "Ab\x81.cd");
}

TEST(ApplicationTitleLengthTest, LongPathStillGivesTheFileName) {
    const std::string folder = "/" + std::string(300, 'F');
    EXPECT_EQ(ApplicationTitleFromPath(folder + "/Tool.exe"), "Tool");
}

TEST(ApplicationTitleLengthTest, TitleIsCutTo255Bytes) {
    EXPECT_EQ(ApplicationTitleFromPath("/x/T" + std::string(300, 'O')),
              "T" + std::string(254, 'o'));
}

TEST(ApplicationTitleLengthTest, CutNeverSplitsADoubleByteCharacter) {
    // "T", 253 letters and あ end at byte 256: あ does not fit whole, so it
    // goes entirely and the title keeps 254 bytes.
    const std::string name = "T" + std::string(253, 'O') + Sys(u"あ");
    EXPECT_EQ(ApplicationTitleFromPath("/x/" + name), "T" + std::string(253, 'o'));
    // One letter fewer and あ ends exactly at byte 255.
    const std::string fits = "T" + std::string(252, 'O') + Sys(u"あ");
    EXPECT_EQ(ApplicationTitleFromPath("/x/" + fits), "T" + std::string(252, 'o') + Sys(u"あ"));
}

}  // namespace
}  // namespace dividir
