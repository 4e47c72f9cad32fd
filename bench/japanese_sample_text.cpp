#include "japanese_sample_text.h"

#include <cstdint>
#include <iterator>

namespace dividir::bench {

namespace {

// A fixed-seed generator of our own: the standard distributions may differ
// between library implementations, and the text must not.
class SplitMix64 {
  public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        return z ^ (z >> 31);
    }

    // A number from `low` to `high`, both included.
    unsigned Between(unsigned low, unsigned high) {
        return low + static_cast<unsigned>(Next() % (high - low + 1));
    }

  private:
    std::uint64_t state_;
};

void AppendPair(SystemText& text, unsigned lead, unsigned trail) {
    text += static_cast<char>(lead);
    text += static_cast<char>(trail);
}

// Level-1 kanji under the lead bytes 0x89 to 0x97: every trail byte from 0x40
// to 0x7E and from 0x80 to 0xFC makes a character there.
void AppendKanji(SystemText& text, SplitMix64& random) {
    const unsigned lead = random.Between(0x89, 0x97);
    unsigned trail = random.Between(0x40, 0xFB);
    if (trail >= 0x7F) ++trail;  // 0x7F is no trail byte
    AppendPair(text, lead, trail);
}

// ぁ (0x829F) to ん (0x82F1).
void AppendHiragana(SystemText& text, SplitMix64& random) {
    AppendPair(text, 0x82, random.Between(0x9F, 0xF1));
}

// ァ (0x8340) to ヶ (0x8396), around the gap at 0x837F.
void AppendKatakana(SystemText& text, SplitMix64& random) {
    unsigned trail = random.Between(0x40, 0x95);
    if (trail >= 0x7F) ++trail;
    AppendPair(text, 0x83, trail);
}

// ｡ (0xA1) to ﾟ (0xDF), one byte each.
void AppendHalfWidthKatakana(SystemText& text, SplitMix64& random) {
    text += static_cast<char>(random.Between(0xA1, 0xDF));
}

void AppendAsciiWord(SystemText& text, SplitMix64& random) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const unsigned length = random.Between(2, 9);
    for (unsigned i = 0; i < length; ++i) {
        text += kLetters[random.Between(0, sizeof kLetters - 2)];
    }
    text += ' ';
}

// 　 (ideographic space), 、, 。, ・, 「 and 」.
void AppendPunctuation(SystemText& text, SplitMix64& random) {
    static constexpr unsigned kTrails[] = {0x40, 0x41, 0x42, 0x45, 0x75, 0x76};
    AppendPair(text, 0x81, kTrails[random.Between(0, std::size(kTrails) - 1)]);
}

// One run of characters of one kind, weighted roughly like translated prose:
// mostly hiragana and kanji, some katakana loan words, a little of the rest.
void AppendRun(SystemText& text, SplitMix64& random) {
    const unsigned kind = random.Between(0, 99);
    if (kind < 30) {
        for (unsigned n = random.Between(1, 6); n > 0; --n) AppendHiragana(text, random);
    } else if (kind < 55) {
        for (unsigned n = random.Between(1, 3); n > 0; --n) AppendKanji(text, random);
    } else if (kind < 67) {
        for (unsigned n = random.Between(2, 6); n > 0; --n) AppendKatakana(text, random);
    } else if (kind < 75) {
        for (unsigned n = random.Between(2, 6); n > 0; --n) AppendHalfWidthKatakana(text, random);
    } else if (kind < 90) {
        AppendAsciiWord(text, random);
    } else {
        AppendPunctuation(text, random);
    }
}

}  // namespace

SystemText JapaneseSampleText(std::size_t minimum_size) {
    SplitMix64 random(0x4469766944697200u);
    SystemText text;
    text.reserve(minimum_size + 256);
    while (text.size() < minimum_size) {
        for (unsigned runs = random.Between(4, 24); runs > 0; --runs) AppendRun(text, random);
        text += "\r\n";
    }
    return text;
}

}  // namespace dividir::bench
