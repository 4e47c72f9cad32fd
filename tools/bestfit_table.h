// Reads a published Windows best-fit code page table (the format of
// bestfit932.txt): keyword sections CODEPAGE, CPINFO, MBTABLE, DBCSRANGE,
// DBCSTABLE, WCTABLE, ENDCODEPAGE and data lines "0xXX<TAB>0xYYYY ;comment".
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace dividir::tools {

struct BestFitTable {
    int codePage = 0;
    std::uint16_t systemDefaultChar = 0;   // CPINFO: the byte form of the default character
    std::uint16_t unicodeDefaultChar = 0;  // CPINFO: the unit that malformed bytes become
    std::array<std::optional<char16_t>, 256> singleByte{};              // MBTABLE
    std::vector<std::pair<std::uint8_t, std::uint8_t>> leadByteRanges;  // DBCSRANGE
    // DBCSTABLE: lead byte -> trail byte -> unit
    std::map<std::uint8_t, std::map<std::uint8_t, char16_t>> doubleByte;
    std::map<char16_t, std::uint16_t> unitToBytes;  // WCTABLE, best fit included

    bool IsLeadByte(std::uint8_t byte) const;
};

// Throws std::runtime_error naming the line on anything it does not understand.
BestFitTable ReadBestFitTable(const std::string& path);

}  // namespace dividir::tools
