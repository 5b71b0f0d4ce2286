#include "runtime/float_fault.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(CheckFloatResult, RefusesInfinitiesAndNaNOnly) {
    using Limits = std::numeric_limits<double>;
    for (const double x : {0.0, -0.0, Limits::max(), -Limits::max(), Limits::denorm_min()}) {
        EXPECT_NO_THROW(CheckFloatResult(x)) << x;
    }
    for (const double x : {Limits::infinity(), -Limits::infinity(), Limits::quiet_NaN()}) {
        EXPECT_THROW(CheckFloatResult(x), RuntimeFailure) << x;
    }
}

}  // namespace
}  // namespace tolvane
