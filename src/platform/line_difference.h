// Where two system texts differ, in whole lines, so that a memo can change
// only the lines that differ and keep the common beginning and end.
#pragma once

#include <cstddef>

#include "conversion/system_text.h"

namespace dividir {

// The common beginning and end of two texts, each made of whole lines: the
// beginning ends and the end starts right after an LF in both texts, so no
// character and no CR LF pair is split. They never overlap in either text;
// the bytes between them are the changed lines.
struct ChangedLines {
    std::size_t commonBeginning = 0;
    std::size_t commonEnd = 0;
};

ChangedLines FindChangedLines(SystemTextView before, SystemTextView after) noexcept;

}  // namespace dividir
