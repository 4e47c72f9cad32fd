#include "mul_div.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace dividir {

int MulDiv(int number, int numerator, int denominator) noexcept {
    if (denominator == 0) return -1;
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t magnitude = std::llabs(product);
    const std::int64_t divisor = std::llabs(std::int64_t{denominator});
    const std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t result = negative ? -rounded : rounded;
    if (result > INT_MAX || result < INT_MIN) return -1;
    return static_cast<int>(result);
}

}  // namespace dividir
