#include "runtime/round_half_even.h"

#include <cmath>

#include "runtime/runtime_failure.h"
#include "runtime/strict_float.h"

namespace tolvane {
namespace {

// From this magnitude on, a double holds no fraction.
constexpr double kTwoTo52 = 4503599627370496.0;

}  // namespace

std::int32_t RoundHalfEven(double x) {
    // Below 2^52, adding 2^52 leaves no bit for a fraction, so the sum is rounded to an integer
    // as every IEEE operation rounds: to nearest, halves to the even neighbour (the program
    // never changes the rounding mode); taking 2^52 away again is exact. From 2^52 on, the
    // result stays at least 2^52 and the range check below refuses it. Done in place, this
    // saves a library call on every conversion.
    const double rounded = std::copysign((std::fabs(x) + kTwoTo52) - kTwoTo52, x);
    // The range is checked on the rounded double, before any conversion to an integer type
    // could be undefined; a NaN fails it too.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeFailure("value outside the 32-bit integer range");
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace tolvane
