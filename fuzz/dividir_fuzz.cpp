// libFuzzer target for the conversion core: every operation runs on the same
// arbitrary bytes, and every result is checked against what the headers
// promise. A broken promise aborts with a note of which one.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "conversion/code_entry.h"
#include "conversion/code_listing.h"
#include "conversion/cp932_tables.h"
#include "conversion/encoding_bridge.h"
#include "conversion/exception.h"

namespace dividir {
namespace {

void Require(bool kept, const char* promise) {
    if (kept) return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

bool IsDigit(char byte) { return byte >= '0' && byte <= '9'; }

int HexDigitValue(char byte) {
    if (byte >= '0' && byte <= '9') return byte - '0';
    if (byte >= 'A' && byte <= 'F') return byte - 'A' + 10;
    if (byte >= 'a' && byte <= 'f') return byte - 'a' + 10;
    return -1;
}

bool IsAllDigits(SystemTextView text) {
    for (char byte : text) {
        if (!IsDigit(byte)) return false;
    }
    return true;
}

// The decoder's rules read one character at a time, exactly as the header
// states them. The core decodes whole blocks at once; the two must agree.
Utf16Text DecodeByTheRules(SystemTextView text) {
    Utf16Text units;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const unsigned row = cp932::kLeadByteRow[byte];
        if (row == 0) {
            units += cp932::kSingleByteToUnit[byte];
            i += 1;
            continue;
        }
        const bool has_next = i + 1 < text.size();
        const auto next = has_next ? static_cast<unsigned char>(text[i + 1]) : 0u;
        const char16_t pair = has_next ? cp932::kDoubleByteToUnit[row - 1][next] : u'\0';
        units += pair != 0 ? pair : cp932::kUnicodeDefaultChar;
        const bool takes_next = pair != 0 || (has_next && next >= 0x80 && next <= 0xFC);
        i += takes_next ? 2 : 1;
    }
    return units;
}

std::size_t Count(SystemTextView text, char byte) {
    std::size_t count = 0;
    for (char b : text) count += b == byte;
    return count;
}

std::size_t Count(Utf16TextView units, Utf16Unit unit) {
    std::size_t count = 0;
    for (Utf16Unit u : units) count += u == unit;
    return count;
}

void CheckSystemToUtf16(SystemTextView text, const Utf16Text& units) {
    Require(units.size() <= text.size(), "SystemToUtf16: no more units than bytes");
    Require(units.size() >= (text.size() + 1) / 2, "SystemToUtf16: at most two bytes per unit");
    for (Utf16Unit unit : units) {
        Require(unit < 0xD800 || unit > 0xDFFF, "SystemToUtf16: no surrogate units");
    }
    // Valid trail bytes start at 0x40, so these bytes are never swallowed.
    for (char byte : {'\0', '\n', '\r'}) {
        Require(Count(text, byte) == Count(units, static_cast<Utf16Unit>(byte)),
                "SystemToUtf16: the byte 0, CR and LF come through one for one");
    }
    Require(units == DecodeByTheRules(text), "SystemToUtf16: reads the bytes by the rules");
}

// The input read as UTF-16 units, two bytes each, the lower first.
Utf16Text ReadUnits(SystemTextView text) {
    Utf16Text units;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) {
        units += static_cast<Utf16Unit>(static_cast<unsigned char>(text[i]) |
                                        static_cast<unsigned char>(text[i + 1]) << 8);
    }
    return units;
}

void CheckUtf16ToSystem(const Utf16Text& units) {
    const SystemText text = Utf16ToSystem(units);
    Require(units.empty() == text.empty(), "Utf16ToSystem: empty exactly for no units");
    // The whole is the units converted one by one, one or two bytes each.
    std::size_t at = 0;
    for (Utf16Unit unit : units) {
        const SystemText one = Utf16ToSystem(Utf16TextView(&unit, 1));
        Require(one.size() == 1 || one.size() == 2, "Utf16ToSystem: one or two bytes per unit");
        Require((unit == 0) == (one == SystemText(1, '\0')),
                "Utf16ToSystem: the unit 0 is the byte 0");
        char written[kMaxBytesPerUnit];
        const std::size_t length = WriteUnitAsSystem(unit, written);
        Require(SystemTextView(written, length) == one,
                "WriteUnitAsSystem: as a one-unit sequence");
        Require(at <= text.size() && text.compare(at, one.size(), one) == 0,
                "Utf16ToSystem: the sequence is its units one by one");
        at += one.size();
    }
    Require(at == text.size(), "Utf16ToSystem: nothing besides the units' bytes");
}

// Reads one listing line's field of digits; returns its value, or -1 if the
// field is empty, too long or has a digit it must not have.
long ReadDigits(const SystemText& listing, std::size_t& at, int base, std::size_t exact_length) {
    long value = 0;
    std::size_t length = 0;
    while (at < listing.size() && length < 8) {
        const char byte = listing[at];
        const int digit = base == 10 ? (IsDigit(byte) ? byte - '0' : -1)
                                     : ((byte >= 'a' && byte <= 'f') ? -1 : HexDigitValue(byte));
        if (digit < 0) break;
        if (base == 10 && length == 0 && digit == 0) return -1;  // no leading zeros
        value = value * base + digit;
        ++at;
        ++length;
    }
    if (length == 0 || (exact_length != 0 && length != exact_length)) return -1;
    return value;
}

void Expect(const SystemText& listing, std::size_t& at, SystemTextView piece, const char* promise) {
    Require(at <= listing.size() && listing.compare(at, piece.size(), piece) == 0, promise);
    at += piece.size();
}

void CheckCodeListing(SystemTextView text, const Utf16Text& units) {
    const SystemText listing = FormatCodeListing(text);
    std::size_t at = 0;
    for (Utf16Unit unit : units) {
        if (unit <= 0x20) continue;
        const SystemText character = Utf16ToSystem(Utf16TextView(&unit, 1));
        Require(character.size() == 1 || character.size() == 2,
                "FormatCodeListing: a character of one or two bytes");
        Expect(listing, at, character,
               "FormatCodeListing: the line starts with the unit converted alone");
        Expect(listing, at, "\t", "FormatCodeListing: TAB after the character");
        Require(ReadDigits(listing, at, 10, 0) == unit,
                "FormatCodeListing: the unit in decimal, without leading zeros");
        Expect(listing, at, "\t0x", "FormatCodeListing: TAB and 0x after the decimal");
        Require(ReadDigits(listing, at, 16, 8) == unit,
                "FormatCodeListing: the unit in eight upper-case hex digits");
        Expect(listing, at, "\r\n", "FormatCodeListing: CR LF ends the line");
    }
    Require(at == listing.size(), "FormatCodeListing: one line per unit above the blank, no more");
}

// The value of the hex digits at the start of `digits`: at most eight
// significant ones count.
CodeValue LeadingHexValue(SystemTextView digits) {
    CodeValue value = 0;
    int significant = 0;
    for (char byte : digits) {
        const int digit = HexDigitValue(byte);
        if (digit < 0 || significant == 8) break;
        if (value == 0 && digit == 0) continue;
        value = value * 16 + static_cast<CodeValue>(digit);
        ++significant;
    }
    return value;
}

// Whether a text of digits stands for a number above 2147483647.
bool ExceedsLargestDecimal(SystemTextView digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == SystemTextView::npos) return false;
    const SystemTextView significant = digits.substr(first);
    constexpr SystemTextView kLargest = "2147483647";
    if (significant.size() != kLargest.size()) return significant.size() > kLargest.size();
    return significant > kLargest;
}

void CheckCharacter(CodeValue value) {
    const SystemText character = CharacterForCode(value);
    Require(character.size() == 1 || character.size() == 2, "CharacterForCode: one or two bytes");
    const auto unit = static_cast<Utf16Unit>(value & 0xFFFF);
    Require(character == Utf16ToSystem(Utf16TextView(&unit, 1)),
            "CharacterForCode: the character of the low 16 bits");
}

void CheckCodeEntry(SystemTextView entry) {
    // The empty entry counts as decimal: it has no byte that is no digit.
    const bool decimal = IsAllDigits(entry);
    try {
        const CodeValue value = ParseCodeEntry(entry);
        Require(!entry.empty(), "ParseCodeEntry: an empty entry is an error");
        if (decimal) {
            Require(!ExceedsLargestDecimal(entry),
                    "ParseCodeEntry: decimal above 2147483647 is an error");
            CodeValue expected = 0;
            for (char byte : entry) expected = expected * 10 + static_cast<CodeValue>(byte - '0');
            Require(value == expected, "ParseCodeEntry: decimal value");
        } else {
            const SystemTextView digits = entry.starts_with("0x") ? entry.substr(2) : entry;
            Require(value == LeadingHexValue(digits),
                    "ParseCodeEntry: value of the leading hex digits");
        }
        CheckCharacter(value);
    } catch (const EConvertError& error) {
        Require(decimal, "ParseCodeEntry: only an empty or all-digit entry fails");
        Require(entry.empty() || ExceedsLargestDecimal(entry),
                "ParseCodeEntry: a digit entry fails only when empty or above 2147483647");
        SystemText message = "'";
        message += entry;
        message += "' is not a valid integer value";
        Require(error.Message() == message, "ParseCodeEntry: the conversion error's message");
    }
}

}  // namespace
}  // namespace dividir

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dividir;
    const SystemTextView text(reinterpret_cast<const char*>(data), size);

    const Utf16Text units = SystemToUtf16(text);
    CheckSystemToUtf16(text, units);
    CheckUtf16ToSystem(ReadUnits(text));
    CheckCodeListing(text, units);
    CheckCodeEntry(text);

    // Any 32-bit code, also one no entry yields, and its unit's twin above 0xFFFF.
    CodeValue code = 0;
    for (std::size_t i = 0; i < size && i < 4; ++i) code |= CodeValue{data[i]} << (8 * i);
    CheckCharacter(code);
    Require(CharacterForCode(code) == CharacterForCode(code ^ 0x10000),
            "CharacterForCode: only the low 16 bits count");
    return 0;
}
