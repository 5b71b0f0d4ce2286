#include "runtime/float_fault.h"

#include <cmath>

#include "runtime/runtime_failure.h"

namespace tolvane {

void FloatFault() {
    throw RuntimeFailure("floating-point fault");
}

void CheckFloatResult(double x) {
    if (!std::isfinite(x)) {
        FloatFault();
    }
}

}  // namespace tolvane
