#include "line_difference.h"

#include <algorithm>
#include <cstring>

namespace dividir {

namespace {

// Compared a block at a time: memcmp is far faster than a byte loop on the
// megabytes of a long code listing.
constexpr std::size_t kBlock = 4096;

std::size_t CommonPrefixLength(const char* a, const char* b, std::size_t limit) noexcept {
    std::size_t length = 0;
    while (limit - length >= kBlock && std::memcmp(a + length, b + length, kBlock) == 0) {
        length += kBlock;
    }
    while (length < limit && a[length] == b[length]) ++length;
    return length;
}

std::size_t CommonSuffixLength(const char* aEnd, const char* bEnd, std::size_t limit) noexcept {
    std::size_t length = 0;
    while (limit - length >= kBlock &&
           std::memcmp(aEnd - length - kBlock, bEnd - length - kBlock, kBlock) == 0) {
        length += kBlock;
    }
    while (length < limit && aEnd[-1 - static_cast<std::ptrdiff_t>(length)] ==
                                 bEnd[-1 - static_cast<std::ptrdiff_t>(length)]) {
        ++length;
    }
    return length;
}

bool StartsLine(SystemTextView text, std::size_t position) noexcept {
    return position == 0 || text[position - 1] == '\n';
}

}  // namespace

ChangedLines FindChangedLines(SystemTextView before, SystemTextView after) noexcept {
    const std::size_t shorter = std::min(before.size(), after.size());
    const std::size_t prefix = CommonPrefixLength(before.data(), after.data(), shorter);
    const std::size_t lastBreak = before.substr(0, prefix).rfind('\n');
    const std::size_t beginning = lastBreak == SystemTextView::npos ? 0 : lastBreak + 1;

    const std::size_t suffix = CommonSuffixLength(before.data() + before.size(),
                                                  after.data() + after.size(), shorter - beginning);
    if (StartsLine(before, before.size() - suffix) && StartsLine(after, after.size() - suffix)) {
        return {beginning, suffix};
    }
    const std::size_t firstBreak = before.find('\n', before.size() - suffix);
    const std::size_t end = firstBreak == SystemTextView::npos ? 0 : before.size() - firstBreak - 1;
    return {beginning, end};
}

}  // namespace dividir
