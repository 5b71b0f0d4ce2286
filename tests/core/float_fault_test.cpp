#include "runtime/float_fault.h"

#include <limits>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(CheckFloatResult, AnInfinityOrANotANumberIsAFault) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (const double x : {kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(CheckFloatResult(x), RuntimeFailure) << x;
    }
    for (const double x : {0.0, -0.0, std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::denorm_min()}) {
        EXPECT_NO_THROW(CheckFloatResult(x)) << x;
    }
}

}  // namespace
}  // namespace tolvane
