#include "character_stepping.h"

#include "conversion/cp932_tables.h"

namespace dividir {

std::size_t NextCharacter(SystemTextView text, std::size_t position) noexcept {
    if (position >= text.size()) return text.size();
    const auto byte = static_cast<unsigned char>(text[position]);
    if (cp932::kLeadByteRow[byte] != 0 && position + 1 < text.size()) return position + 2;
    return position + 1;
}

std::size_t LastCharacterStart(SystemTextView text) noexcept {
    // A trail byte can look like a lead byte, so only a walk from the start
    // tells where the last character begins.
    std::size_t start = 0;
    for (std::size_t next = 0; next < text.size(); next = NextCharacter(text, next)) start = next;
    return start;
}

}  // namespace dividir
