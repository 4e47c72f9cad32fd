// The system's MulDiv: number * numerator / denominator, taken to the nearest
// integer with a half going away from zero, without intermediate overflow.
#pragma once

namespace dividir {

// Returns -1 when the denominator is 0 or the result does not fit an int,
// as the system's MulDiv does.
int MulDiv(int number, int numerator, int denominator) noexcept;

}  // namespace dividir
