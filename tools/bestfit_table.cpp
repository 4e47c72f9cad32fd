#include "bestfit_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dividir::tools {

bool BestFitTable::IsLeadByte(std::uint8_t byte) const {
    for (auto [first, last] : leadByteRanges) {
        if (byte >= first && byte <= last) return true;
    }
    return false;
}

namespace {

class LineReader {
  public:
    explicit LineReader(const std::string& path) : in_(path, std::ios::binary), path_(path) {
        if (!in_) throw std::runtime_error("cannot open " + path);
    }

    // The next line without its comment and surrounding blanks; skips empty ones.
    bool Next(std::string& line) {
        while (std::getline(in_, line)) {
            ++number_;
            if (auto semicolon = line.find(';'); semicolon != std::string::npos)
                line.resize(semicolon);
            auto first = line.find_first_not_of(" \t\r");
            if (first == std::string::npos) continue;
            auto last = line.find_last_not_of(" \t\r");
            line = line.substr(first, last - first + 1);
            return true;
        }
        return false;
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(path_ + ":" + std::to_string(number_) + ": " + what);
    }

  private:
    std::ifstream in_;
    std::string path_;
    int number_ = 0;
};

unsigned long ParseNumber(const std::string& token, const LineReader& reader) {
    try {
        std::size_t used = 0;
        unsigned long value = std::stoul(token, &used, 0);
        if (used != token.size()) reader.Fail("not a number: " + token);
        return value;
    } catch (const std::logic_error&) {
        reader.Fail("not a number: " + token);
    }
}

// Reads `count` lines of two numbers each.
std::vector<std::pair<unsigned long, unsigned long>> ReadPairs(LineReader& reader,
                                                               unsigned long count) {
    std::vector<std::pair<unsigned long, unsigned long>> pairs;
    std::string line;
    for (unsigned long i = 0; i < count; ++i) {
        if (!reader.Next(line)) reader.Fail("table ends early");
        std::istringstream fields(line);
        std::string from, to;
        if (!(fields >> from >> to)) reader.Fail("expected two numbers");
        pairs.emplace_back(ParseNumber(from, reader), ParseNumber(to, reader));
    }
    return pairs;
}

}  // namespace

BestFitTable ReadBestFitTable(const std::string& path) {
    BestFitTable table;
    LineReader reader(path);
    std::string line;
    std::vector<std::uint8_t> leadBytes;  // in ascending order, from DBCSRANGE
    std::size_t nextLeadTable = 0;
    unsigned long rangesLeft = 0;
    bool ended = false;
    while (!ended && reader.Next(line)) {
        std::istringstream fields(line);
        std::string keyword;
        fields >> keyword;
        std::vector<std::string> args;
        for (std::string arg; fields >> arg;) args.push_back(arg);
        auto arg = [&](std::size_t i) {
            if (i >= args.size()) reader.Fail("missing argument to " + keyword);
            return ParseNumber(args[i], reader);
        };

        if (keyword == "CODEPAGE") {
            table.codePage = static_cast<int>(arg(0));
        } else if (keyword == "CPINFO") {
            table.systemDefaultChar = static_cast<std::uint16_t>(arg(1));
            table.unicodeDefaultChar = static_cast<std::uint16_t>(arg(2));
        } else if (keyword == "MBTABLE") {
            for (auto [byte, unit] : ReadPairs(reader, arg(0))) {
                if (byte > 0xFF) reader.Fail("byte out of range");
                table.singleByte[byte] = static_cast<char16_t>(unit);
            }
        } else if (keyword == "DBCSRANGE") {
            rangesLeft = arg(0);
        } else if (keyword.starts_with("0x") && rangesLeft > 0) {
            // A lead byte range; the tables of its lead bytes follow it.
            --rangesLeft;
            const auto first = ParseNumber(keyword, reader);
            const auto last = arg(0);
            if (first > last || last > 0xFF) reader.Fail("bad lead byte range");
            table.leadByteRanges.emplace_back(static_cast<std::uint8_t>(first),
                                              static_cast<std::uint8_t>(last));
            for (auto lead = first; lead <= last; ++lead) {
                leadBytes.push_back(static_cast<std::uint8_t>(lead));
            }
        } else if (keyword == "DBCSTABLE") {
            // The tables follow the ranges, one per lead byte in ascending order.
            if (nextLeadTable >= leadBytes.size())
                reader.Fail("more lead byte tables than lead bytes");
            auto& row = table.doubleByte[leadBytes[nextLeadTable++]];
            for (auto [trail, unit] : ReadPairs(reader, arg(0))) {
                row[static_cast<std::uint8_t>(trail)] = static_cast<char16_t>(unit);
            }
        } else if (keyword == "WCTABLE") {
            for (auto [unit, bytes] : ReadPairs(reader, arg(0))) {
                table.unitToBytes[static_cast<char16_t>(unit)] = static_cast<std::uint16_t>(bytes);
            }
        } else if (keyword == "ENDCODEPAGE") {
            ended = true;
        } else {
            reader.Fail("unknown keyword " + keyword);
        }
    }
    if (!ended) reader.Fail("no ENDCODEPAGE");
    return table;
}

}  // namespace dividir::tools
