#pragma once

#include <cstdint>

namespace tolvane {

// The nearest 32-bit integer to x, halves going to the even neighbour. Throws RuntimeFailure
// when that integer does not fit, or x is not a number.
std::int32_t RoundHalfEven(double x);

}  // namespace tolvane
