#include <cmath>
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "runtime/float_fault.h"
#include "runtime/int_to_text.h"
#include "runtime/round_half_even.h"
#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double x;
        std::int32_t rounded;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {0.49999999999999994, 0},
        {13.49999964237213134765625, 13},
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {-2147483648.5, -2147483648},  // the even neighbour is still in range
        {-2147483648.0, -2147483648},
        {1e-320, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundHalfEven(c.x), c.rounded) << c.x;
    }
}

TEST(RoundHalfEven, FailsOutsideThe32BitRange) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (const double x : {2147483647.5, 2147483648.0, -2147483648.6, -2147483649.0, 1e300,
                           kInfinity, -kInfinity, std::nan("")}) {
        EXPECT_THROW(RoundHalfEven(x), RuntimeFailure) << x;
    }
}

TEST(IntToText, PlainDecimalDigits) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(46), "46");
    EXPECT_EQ(IntToText(-2), "-2");
    EXPECT_EQ(IntToText(1234567), "1234567");
    EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
    EXPECT_EQ(IntToText(std::numeric_limits<std::int32_t>::max()), "2147483647");
}

TEST(CheckFloatResult, OnlyNonFiniteValuesAreFaults) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_THROW(CheckFloatResult(kInfinity), RuntimeFailure);
    EXPECT_THROW(CheckFloatResult(-kInfinity), RuntimeFailure);
    EXPECT_THROW(CheckFloatResult(std::nan("")), RuntimeFailure);
    EXPECT_NO_THROW(CheckFloatResult(std::numeric_limits<double>::max()));
    EXPECT_NO_THROW(CheckFloatResult(std::numeric_limits<double>::denorm_min()));
    EXPECT_NO_THROW(CheckFloatResult(-0.0));
}

// The build must never fuse a multiply and an add: the tariff results depend on each step
// being rounded. Operands come through volatile so the compiler cannot fold them away.
TEST(StrictFloat, MultiplyAndAddAreRoundedSeparately) {
    volatile double a = 1.0 + 0x1p-27;
    volatile double b = 1.0 - 0x1p-27;
    volatile double c = -1.0;
    const double product = a * b;  // 1 - 2^-54 rounds to 1.0
    const double sum = product + c;
    EXPECT_EQ(sum, 0.0) << "a fused multiply-add gives " << std::fma(a, b, c);
}

}  // namespace
}  // namespace tolvane
