#include "runtime/float_fault.h"

#include "runtime/runtime_failure.h"

namespace tolvane {

void FloatFault() {
    throw RuntimeFailure("floating-point fault");
}

}  // namespace tolvane
