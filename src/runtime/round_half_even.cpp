#include "runtime/round_half_even.h"

#include <cmath>

#include "runtime/runtime_failure.h"

namespace tolvane {

std::int32_t RoundHalfEven(double x) {
    // nearbyint follows the current rounding mode, which the program never changes from
    // round-to-nearest-even. The range is checked on the rounded double, before any
    // conversion to an integer type could be undefined.
    const double rounded = std::nearbyint(x);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw RuntimeFailure("value outside the 32-bit integer range");
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace tolvane
