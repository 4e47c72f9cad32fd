#include "conversion/code_entry.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>

#include "conversion/exception.h"

namespace dividir {
namespace {

using namespace std::string_literals;

std::string Describe(const SystemText& entry) {
    std::string name;
    for (unsigned char byte : entry) {
        name += std::isalnum(byte) ? std::string(1, static_cast<char>(byte))
                                   : "_" + std::to_string(byte);
    }
    return name.empty() ? "empty" : name;
}

// What the character field shows for an entry: the code value and its
// character, or the conversion error's message.
struct EntryCase {
    SystemText entry;
    std::optional<CodeValue> value;
    SystemText characterOrMessage;
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << Describe(c.entry); }

class EntriesInTheCodeField : public testing::TestWithParam<EntryCase> {};

TEST_P(EntriesInTheCodeField, GiveTheCharacterOrTheConversionError) {
    const EntryCase& c = GetParam();
    if (c.value) {
        const CodeValue value = ParseCodeEntry(c.entry);
        EXPECT_EQ(value, *c.value);
        EXPECT_EQ(CharacterForCode(value), c.characterOrMessage);
    } else {
        try {
            ParseCodeEntry(c.entry);
            ADD_FAILURE() << "no conversion error";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), c.characterOrMessage);
        }
    }
}

const SystemText kNothing = "\0"s;  // the unit 0: one NUL byte, shown as nothing
const SystemText kDefault = "?"s;   // no character in the code page

INSTANTIATE_TEST_SUITE_P(
    CodeEntry, EntriesInTheCodeField,
    testing::Values(
        // decimal
        EntryCase{"65", 65, "A"}, EntryCase{"00065", 65, "A"}, EntryCase{"65601", 65601, "A"},
        EntryCase{"3042", 3042, kDefault}, EntryCase{"0", 0, kNothing},
        EntryCase{"65536", 65536, kNothing}, EntryCase{"2147483647", 2147483647, kDefault},
        EntryCase{"000000000000000000002147483647", 2147483647, kDefault},
        // the "0x" prefix
        EntryCase{"0x3042", 0x3042, "\x82\xA0"}, EntryCase{"0x00000000041", 0x41, "A"},
        EntryCase{"0x41\x82\xA0", 0x41, "A"}, EntryCase{"0x", 0, kNothing},
        EntryCase{"0xFFFFFFFF", 0xFFFFFFFF, kDefault},
        EntryCase{"0x0FFFFFFFF", 0xFFFFFFFF, kDefault},
        EntryCase{"0x0123456789", 0x12345678, "\x93\xD3"},
        EntryCase{"0xFFFFFFFF0", 0xFFFFFFFF, kDefault},
        // hexadecimal without the prefix: the hex digits at the start count
        EntryCase{"3042h", 0x3042, "\x82\xA0"}, EntryCase{"4E00", 0x4E00, "\x88\xEA"},
        EntryCase{"4e00", 0x4E00, "\x88\xEA"}, EntryCase{"FF71", 0xFF71, "\xB1"},
        EntryCase{"41 ", 0x41, "A"}, EntryCase{"123456789A", 0x12345678, "\x93\xD3"},
        EntryCase{"D800", 0xD800, kDefault}, EntryCase{"0X41", 0, kNothing},
        EntryCase{"$41", 0, kNothing}, EntryCase{"U+3042", 0, kNothing},
        EntryCase{"x41", 0, kNothing}, EntryCase{"-1", 0, kNothing}, EntryCase{"+65", 0, kNothing},
        EntryCase{"\x82\xA0", 0, kNothing}, EntryCase{" 41", 0, kNothing},
        EntryCase{"\x82\x54\x82\x53", 0, kNothing},  // full-width digits
        EntryCase{"6\0"
                  "5"s,
                  6, "\x06"s},  // a byte 0 is no digit
        // the conversion error
        EntryCase{"", std::nullopt, "'' is not a valid integer value"},
        EntryCase{"2147483648", std::nullopt, "'2147483648' is not a valid integer value"},
        EntryCase{"99999999999", std::nullopt, "'99999999999' is not a valid integer value"},
        EntryCase{"0002147483648", std::nullopt, "'0002147483648' is not a valid integer value"}),
    [](const auto& info) { return Describe(info.param.entry); });

struct ScanCase {
    SystemText text;
    CodeValue value;
    bool accepted;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << Describe(c.text); }

class ScanIntegerCases : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanIntegerCases, GiveValueAndAcceptance) {
    const ScanResult result = ScanInteger(GetParam().text);
    EXPECT_EQ(result.value, GetParam().value);
    EXPECT_EQ(result.accepted, GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(CodeEntry, ScanIntegerCases,
                         testing::Values(ScanCase{"", 0, false}, ScanCase{"0", 0, true},
                                         ScanCase{"2147483647", 2147483647, true},
                                         ScanCase{"2147483648", 2147483648u, false},
                                         ScanCase{"0x", 0, false}, ScanCase{"0x41", 0x41, true},
                                         ScanCase{"0x41h", 0x41, false},
                                         ScanCase{"0x12345678", 0x12345678, true},
                                         ScanCase{"0x123456789", 0x12345678, false},
                                         ScanCase{"0x000000000012345678", 0x12345678, true}),
                         [](const auto& info) { return Describe(info.param.text); });

TEST(ConversionErrorMessage, HoldsTheEntryByteForByte) {
    // Double-byte characters, a "%" and a byte 0 must pass through untouched.
    EXPECT_EQ(ConversionErrorMessage("\x82\xA0%s%n\0"
                                     "9"s),
              "'\x82\xA0%s%n\0"
              "9' is not a valid integer value"s);
    EXPECT_THROW(StrictInteger("4294967296"), EConvertError);
    EXPECT_EQ(StrictInteger("0000"), 0u);
}

}  // namespace
}  // namespace dividir
