#include "runtime/round_half_even.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourWithinThe32BitRange) {
    struct Case {
        double x;
        std::int32_t rounded;
    };
    for (const auto c :
         {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{-1.5, -2}, Case{-2.5, -2}, Case{3.0, 3},
          Case{3.7, 4}, Case{-3.2, -3}, Case{-0.4, 0}, Case{0.49999999999999994, 0},
          Case{2147483647.4, 2147483647}, Case{-2147483648.5, -2147483648}}) {
        EXPECT_EQ(RoundHalfEven(c.x), c.rounded) << c.x;
    }
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (const double x :
         {2147483647.5, -2147483648.6, 1e300, kInfinity, -kInfinity, std::nan("")}) {
        EXPECT_THROW(RoundHalfEven(x), RuntimeFailure) << x;
    }
}

}  // namespace
}  // namespace tolvane
