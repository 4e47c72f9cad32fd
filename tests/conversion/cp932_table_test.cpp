// The committed tables against the published data they were generated from,
// wherever that data is present beside the project.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bestfit_table.h"
#include "conversion/cp932_tables.h"
#include "conversion/encoding_bridge.h"

namespace dividir {
namespace {

const std::string kDataDir = DIVIDIR_CP932_DATA_DIR;

SystemText BytesOf(unsigned code) {
    if (code < 0x100) return SystemText(1, static_cast<char>(code));
    return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

Utf16Text UnitOf(char16_t unit) { return Utf16Text(1, unit); }

class BestFitData : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        const auto path = kDataDir + "/bestfit932.txt";
        if (std::filesystem::exists(path))
            table_ = new tools::BestFitTable(tools::ReadBestFitTable(path));
    }
    static void TearDownTestSuite() {
        delete table_;
        table_ = nullptr;
    }
    void SetUp() override {
        if (!table_) GTEST_SKIP() << "no bestfit932.txt in " << kDataDir;
    }
    static const tools::BestFitTable& Table() { return *table_; }

  private:
    static inline tools::BestFitTable* table_ = nullptr;
};

TEST_F(BestFitData, CommittedTablesMatchTheData) {
    EXPECT_EQ(Table().systemDefaultChar, static_cast<unsigned>(cp932::kSystemDefaultChar));
    EXPECT_EQ(Table().unicodeDefaultChar, unsigned{cp932::kUnicodeDefaultChar});
    for (unsigned byte = 0; byte < 256; ++byte) {
        const bool lead = Table().IsLeadByte(static_cast<std::uint8_t>(byte));
        ASSERT_EQ(cp932::kLeadByteRow[byte] != 0, lead) << std::hex << byte;
        if (lead) continue;
        ASSERT_TRUE(Table().singleByte[byte].has_value()) << std::hex << byte;
        ASSERT_EQ(unsigned{cp932::kSingleByteToUnit[byte]}, unsigned{*Table().singleByte[byte]})
            << std::hex << byte;
    }
    for (const auto& [lead, row] : Table().doubleByte) {
        for (unsigned trail = 0; trail < 256; ++trail) {
            const auto found = row.find(static_cast<std::uint8_t>(trail));
            const unsigned expected = found == row.end() ? 0 : found->second;
            ASSERT_EQ(unsigned{cp932::kDoubleByteToUnit[cp932::kLeadByteRow[lead] - 1u][trail]},
                      expected)
                << std::hex << unsigned(lead) << ' ' << trail;
        }
    }
    for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
        const auto found = Table().unitToBytes.find(static_cast<char16_t>(unit));
        const unsigned expected = found == Table().unitToBytes.end() ? '?' : found->second;
        ASSERT_EQ(cp932::kUnitToBytes[unit], expected) << std::hex << unit;
    }
}

// Every byte form the table defines gives its unit, and that unit comes back
// as a byte form (the table's choice where there are several) of the same unit.
TEST_F(BestFitData, EveryDefinedCharacterConvertsAndComesBack) {
    std::vector<std::pair<unsigned, char16_t>> characters;
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (const auto unit = Table().singleByte[byte]) characters.emplace_back(byte, *unit);
    }
    for (const auto& [lead, row] : Table().doubleByte) {
        for (const auto& [trail, unit] : row) characters.emplace_back(lead << 8 | trail, unit);
    }
    ASSERT_GT(characters.size(), 7000u);
    for (const auto& [code, unit] : characters) {
        const SystemText bytes = BytesOf(code);
        ASSERT_EQ(SystemToUtf16(bytes), UnitOf(unit)) << std::hex << code;
        const SystemText back = Utf16ToSystem(UnitOf(unit));
        ASSERT_EQ(SystemToUtf16(back), UnitOf(unit)) << std::hex << code;
        const auto chosen = Table().unitToBytes.find(unit);
        ASSERT_NE(chosen, Table().unitToBytes.end()) << std::hex << unsigned{unit};
        ASSERT_EQ(back, BytesOf(chosen->second)) << std::hex << unsigned{unit};
    }
}

TEST_F(BestFitData, BestFitEntriesConvertAsTheTableSays) {
    for (const auto& [unit, bytes] : Table().unitToBytes) {
        ASSERT_EQ(Utf16ToSystem(UnitOf(unit)), BytesOf(bytes)) << std::hex << unsigned(unit);
    }
}

// The plain round-trip table, an independent source, agrees on every character.
TEST(RoundTripData, EveryMappedCharacterDecodesAndEncodesBack) {
    std::ifstream in(kDataDir + "/cp932.txt");
    if (!in) GTEST_SKIP() << "no cp932.txt in " << kDataDir;
    int checked = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string code, unit;
        if (!(fields >> code >> unit) || unit[0] == '#') continue;  // undefined or lead byte
        const auto codeValue = static_cast<unsigned>(std::stoul(code, nullptr, 16));
        const auto unitValue = static_cast<char16_t>(std::stoul(unit, nullptr, 16));
        ASSERT_EQ(SystemToUtf16(BytesOf(codeValue)), UnitOf(unitValue)) << line;
        ASSERT_EQ(SystemToUtf16(Utf16ToSystem(UnitOf(unitValue))), UnitOf(unitValue)) << line;
        ++checked;
    }
    EXPECT_GT(checked, 7000);
}

}  // namespace
}  // namespace dividir
