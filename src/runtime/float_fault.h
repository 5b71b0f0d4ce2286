#pragma once

#include <cmath>

namespace tolvane {

// Throws the RuntimeFailure of an invalid operation, a division by zero or an overflow.
[[noreturn]] void FloatFault();

// Calls FloatFault when x is the trace of such a fault. In a chain of IEEE operations on finite
// operands whose divisors are never infinite, every invalid operation, division by zero and
// overflow leaves an infinity or a NaN that survives to the end, so checking the final value
// catches each of them without relying on the exception flags, which the optimiser may move.
// Inline: it is one comparison on every conversion.
inline void CheckFloatResult(double x) {
    if (!std::isfinite(x)) {
        FloatFault();
    }
}

}  // namespace tolvane
