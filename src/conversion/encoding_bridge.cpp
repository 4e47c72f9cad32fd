#include "encoding_bridge.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

#include "out_of_memory.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace dividir {

namespace {

// Decodes `length` bytes into `out`, which has room for `length` units;
// returns the number of units written. One character at a time: the reference
// for the block decoder below, which hands it the last bytes of every text.
std::size_t DecodeInto(const unsigned char* in, std::size_t length, char16_t* out) noexcept {
    char16_t* const start = out;
    for (std::size_t i = 0; i < length;) {
        const DecodedCharacter character = DecodeCharacter(in + i, length - i);
        *out++ = character.unit;
        i += character.length;
    }
    return static_cast<std::size_t>(out - start);
}

#if defined(__SSE2__)

// The block decoder. Japanese text switches between one- and two-byte
// characters every few characters, and a decoder that branches on each
// character's width spends most of its time in mispredicted branches. This
// one finds where the characters of 64 bytes start with bit operations, then
// looks every character up through a precomputed index, without a branch on
// its width.
//
// Why the starts can be found without walking the bytes: a byte that is no
// lead byte always ends a character (alone, or as a trail byte), so the byte
// after it starts one. Inside a run of lead bytes that begins there, the bytes
// pair up from the run's start, because every lead byte is in the trail range
// (0x80 to 0xFC) and so always takes the next lead byte as its trail. Only a
// run's last lead byte can stand alone, when the byte after it is no trail;
// the lookup notices that by its missing character and fixes that one start.

constexpr unsigned kBlockSize = 64;

// Lead bytes form two ranges in code page 932; the block decoder tests the
// ranges instead of reading kLeadByteRow, and numbers the rows like it does.
constexpr unsigned kFirstLowLead = 0x81;
constexpr unsigned kLastLowLead = 0x9F;
constexpr unsigned kFirstHighLead = 0xE0;
constexpr unsigned kLastHighLead = 0xFC;

// XOR 0x20 closes the gap between the two ranges: 0xA1 to 0xDC then.
constexpr unsigned kLeadFlip = 0x20;
static_assert(((kLastLowLead ^ kLeadFlip) + 1) == (kFirstHighLead ^ kLeadFlip));

constexpr unsigned LeadRowByRange(unsigned byte) {
    if (byte >= kFirstLowLead && byte <= kLastLowLead) return byte - (kFirstLowLead - 1);
    if (byte >= kFirstHighLead && byte <= kLastHighLead) {
        return byte - kFirstHighLead + (kLastLowLead - kFirstLowLead + 2);
    }
    return 0;
}

constexpr std::size_t kRowCount =
    sizeof(cp932::kDoubleByteToUnit) / sizeof(cp932::kDoubleByteToUnit[0]);
static_assert(LeadRowByRange(kLastHighLead) == kRowCount);

// Row 0 holds the units of the single bytes, row r (1 to 60) the units of lead
// byte row r's pairs: the index (row << 8 | byte) names every character.
struct BlockTables {
    // Whether the lead bytes are exactly the two ranges; the block decoder is
    // used only then, so a table that says otherwise keeps its meaning.
    bool ranges_match = true;
    // Whether the bytes 0 to 0x7F are their own units, so that a block of
    // ASCII can be widened as it is.
    bool ascii_is_identity = true;
    std::array<char16_t, (kRowCount + 1) * cp932::kTrailCount> units{};
};

BlockTables MakeBlockTables() {
    BlockTables tables;
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (LeadRowByRange(byte) != cp932::kLeadByteRow[byte]) tables.ranges_match = false;
        if (byte < 0x80 && cp932::kSingleByteToUnit[byte] != byte) {
            tables.ascii_is_identity = false;
        }
        tables.units[byte] = cp932::kSingleByteToUnit[byte];
    }
    for (std::size_t row = 1; row <= kRowCount; ++row) {
        std::memcpy(&tables.units[row * cp932::kTrailCount],
                    cp932::kDoubleByteToUnit[row - 1].data(),
                    sizeof(cp932::kDoubleByteToUnit[row - 1]));
    }
    return tables;
}

const BlockTables& GetBlockTables() {
    static const BlockTables tables = MakeBlockTables();
    return tables;
}

// One bit per byte of a block.
struct BlockMasks {
    std::uint64_t leads = 0;  // lead bytes
    std::uint64_t high = 0;   // bytes from 0x80
};

// Classifies 64 bytes (reading one more, the trail of the last) and writes
// to `index` the lookup index of a character starting at every position.
BlockMasks IndexBlock(const unsigned char* block, std::uint16_t* index) {
    // SSE2 compares signed bytes: flipping the top bit turns the unsigned
    // ranges into signed ones.
    const __m128i sign = _mm_set1_epi8(static_cast<char>(0x80));
    const __m128i lead_flip = _mm_set1_epi8(static_cast<char>(kLeadFlip ^ 0x80));
    const __m128i below_lead =
        _mm_set1_epi8(static_cast<char>(((kFirstLowLead ^ kLeadFlip) ^ 0x80) - 1));
    const __m128i above_lead =
        _mm_set1_epi8(static_cast<char>(((kLastHighLead ^ kLeadFlip) ^ 0x80) + 1));
    const __m128i below_high_lead = _mm_set1_epi8(static_cast<char>((kFirstHighLead - 1) ^ 0x80));
    const __m128i high_lead_offset =
        _mm_set1_epi8(static_cast<char>((kFirstHighLead - LeadRowByRange(kFirstHighLead)) -
                                        (kFirstLowLead - LeadRowByRange(kFirstLowLead))));
    const __m128i low_lead_offset =
        _mm_set1_epi8(static_cast<char>(kFirstLowLead - LeadRowByRange(kFirstLowLead)));
    BlockMasks masks;
    for (unsigned part = 0; part < kBlockSize / 16; ++part) {
        const auto* at = reinterpret_cast<const __m128i*>(block + 16 * part);
        const __m128i bytes = _mm_loadu_si128(at);
        const __m128i next =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part + 1));
        const __m128i flipped = _mm_xor_si128(bytes, lead_flip);
        const __m128i is_lead =
            _mm_and_si128(_mm_cmpgt_epi8(flipped, below_lead), _mm_cmplt_epi8(flipped, above_lead));
        const __m128i is_high_lead = _mm_cmpgt_epi8(_mm_xor_si128(bytes, sign), below_high_lead);
        const __m128i row =
            _mm_and_si128(_mm_sub_epi8(_mm_sub_epi8(bytes, low_lead_offset),
                                       _mm_and_si128(is_high_lead, high_lead_offset)),
                          is_lead);
        // A lead byte is looked up by its trail, any other byte by itself.
        const __m128i column =
            _mm_or_si128(_mm_and_si128(is_lead, next), _mm_andnot_si128(is_lead, bytes));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(index + 16 * part),
                         _mm_unpacklo_epi8(column, row));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(index + 16 * part + 8),
                         _mm_unpackhi_epi8(column, row));
        const auto shift = 16 * part;
        masks.leads |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(is_lead))}
                       << shift;
        masks.high |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(bytes))} << shift;
    }
    return masks;
}

// The lead bytes that start a character, if every lead byte takes a trail:
// in each run of lead bytes, those at an even distance from the run's start.
std::uint64_t LeadStarts(std::uint64_t leads) {
    constexpr std::uint64_t kEven = 0x5555555555555555u;
    const std::uint64_t run_starts = leads & ~(leads << 1);
    // Adding a run's first bit clears the whole run: so the runs that begin
    // at an even position are found, the others begin at an odd one.
    const std::uint64_t even_runs = leads & ~(leads + (run_starts & kEven));
    const std::uint64_t odd_runs = leads & ~even_runs;
    return (even_runs & kEven) | (odd_runs & ~kEven);
}

void WidenAscii(const unsigned char* block, char16_t* out) {
    const __m128i zero = _mm_setzero_si128();
    for (unsigned part = 0; part < kBlockSize / 16; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * part),
                         _mm_unpacklo_epi8(bytes, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 16 * part + 8),
                         _mm_unpackhi_epi8(bytes, zero));
    }
}

// Decodes whole blocks while more than one block is left (the last block
// needs the byte after it); returns how many bytes it consumed, always at a
// character's start. `out` advances by the units written.
std::size_t DecodeBlocks(const unsigned char* in, std::size_t length, char16_t*& out) noexcept {
    const BlockTables& tables = GetBlockTables();
    if (!tables.ranges_match) return 0;
    alignas(16) std::uint16_t index[kBlockSize];
    std::size_t i = 0;
    while (length - i > kBlockSize) {
        const unsigned char* const block = in + i;
        const BlockMasks masks = IndexBlock(block, index);
        if (masks.high == 0 && tables.ascii_is_identity) {
            WidenAscii(block, out);
            out += kBlockSize;
            i += kBlockSize;
            continue;
        }
        const std::uint64_t lead_starts = LeadStarts(masks.leads);
        std::uint64_t starts = ~(lead_starts << 1);
        // A character starting at the last byte takes the next block's first.
        std::size_t consumed = kBlockSize + (lead_starts >> (kBlockSize - 1));
        while (starts != 0) {
            const auto at = static_cast<unsigned>(std::countr_zero(starts));
            starts &= starts - 1;
            char16_t unit = tables.units[index[at]];
            // Only the byte 0 and a lead byte without a character get no unit.
            if (unit == 0 && ((masks.leads >> at) & 1) != 0) [[unlikely]] {
                unit = cp932::kUnicodeDefaultChar;
                if (!IsTrailRangeByte(block[at + 1])) {
                    // The lead byte stands alone; the byte after it starts a character.
                    if (at + 1 < kBlockSize) {
                        starts |= std::uint64_t{1} << (at + 1);
                    } else {
                        consumed = kBlockSize;
                    }
                }
            }
            *out++ = unit;
        }
        i += consumed;
    }
    return i;
}

#endif  // __SSE2__

std::size_t Decode(const unsigned char* in, std::size_t length, char16_t* out) noexcept {
    char16_t* const start = out;
    std::size_t consumed = 0;
#if defined(__SSE2__)
    consumed = DecodeBlocks(in, length, out);
#endif
    out += DecodeInto(in + consumed, length - consumed, out);
    return static_cast<std::size_t>(out - start);
}

}  // namespace

Utf16Text SystemToUtf16(SystemTextView text) {
    if (text.empty()) return {};
    return BuildOrRaiseOutOfMemory([&] {
        Utf16Text units(text.size(), u'\0');
        const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
        units.resize(Decode(bytes, text.size(), units.data()));
        return units;
    });
}

SystemText Utf16ToSystem(Utf16TextView units) {
    if (units.empty()) return {};
    return BuildOrRaiseOutOfMemory([&] {
        SystemText text(units.size() * kMaxBytesPerUnit, '\0');
        char* out = text.data();
        // The same bytes as WriteUnitAsSystem, without its branch on the
        // character's width, which Japanese text makes unpredictable: every
        // unit writes two bytes, and a one-byte character leaves a spare that
        // the next unit overwrites or the final resize cuts off. The room for
        // two bytes per unit covers the last unit's spare. Unrolled because
        // the loop's own counting is a fair share of so short a body.
#pragma GCC unroll 8
        for (const Utf16Unit unit : units) {
            const unsigned bytes = cp932::kUnitToBytes[unit];
            // 1 for a pair (above 0xFF), else 0; GCC keeps this form free of
            // branches and sign extensions, unlike a comparison.
            const unsigned two_bytes = (bytes + 0xFF00u) >> 16;
            // Brings the lead byte (the high byte) of a pair to the low half.
            const auto first_low =
                std::rotl(static_cast<std::uint16_t>(bytes), static_cast<int>(8 * two_bytes));
            out[0] = static_cast<char>(first_low);
            out[1] = static_cast<char>(first_low >> 8);
            out += 1 + two_bytes;
        }
        text.resize(static_cast<std::size_t>(out - text.data()));
        return text;
    });
}

}  // namespace dividir
