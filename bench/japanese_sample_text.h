// The text every benchmark works on: mixed Japanese prose in code page 932,
// the kind of text a translator pastes into the input memo.
#pragma once

#include <cstddef>

#include "conversion/system_text.h"

namespace dividir::bench {

// At least `minimum_size` bytes of whole lines, each ended by CR LF: kanji,
// hiragana, katakana, half-width katakana, full-width punctuation and ASCII
// words. The same size always gives the same bytes, so runs on different
// machines and days measure the same work. Every byte pair is a character
// that code page 932 defines, so other converters accept the text too.
SystemText JapaneseSampleText(std::size_t minimum_size);

}  // namespace dividir::bench
