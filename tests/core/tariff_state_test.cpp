#include "tariff/tariff_state.h"

#include <cstdint>
#include <numeric>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

std::uint32_t FactorBits(const TariffState& state) {
    return __builtin_bit_cast(std::uint32_t, state.PlanFactor);
}
auto Fields(const TariffState& s) {
    return std::tuple(FactorBits(s), s.LastResult, s.DistanceBand, s.TimeBand, s.AppDir,
                      s.RateTable);
}

TEST(TariffState, StartsAllZeroAndResetsOnlyTheSelections) {
    TariffState state;
    EXPECT_EQ(Fields(state), std::tuple(0u, 0, 0, 0, "", decltype(state.RateTable){}));
    state.SelectPlan(1);
    state.SelectDistanceBand(5);
    state.SelectTimeBand(3);
    state.LastResult = 7;
    state.AppDir = "/opt/";
    state.RateTable[4] = 30;
    auto expected = Fields(state);
    std::get<0>(expected) = 0x3F666666u;
    std::get<2>(expected) = std::get<3>(expected) = 0;
    state.ResetSelections();
    EXPECT_EQ(Fields(state), expected);
}

TEST(TariffState, PlansSetBinary32FactorsAndUnknownIndicesAreIgnored) {
    using Plans = std::pair<std::vector<std::int16_t>, std::uint32_t>;
    for (const auto& [plans, bits] :
         {Plans{{0}, 0x3F666666u}, Plans{{1}, 0x3F99999Au}, Plans{{2}, 0x3F800000u},
          Plans{{1, 0}, 0x3F666666u}, Plans{{1, 3}, 0x3F99999Au}, Plans{{2, -1}, 0x3F800000u},
          Plans{{3}, 0u}}) {
        TariffState state;
        for (const auto plan : plans) {
            state.SelectPlan(plan);
        }
        EXPECT_EQ(FactorBits(state), bits);
    }
}

TEST(TariffState, UnitSecondsReadsDistanceFastestWithinTheBands) {
    TariffState state;
    std::iota(state.RateTable.begin(), state.RateTable.end(), std::int16_t{1});
    struct Case {
        std::int16_t distance, time, seconds;  // seconds 0: out of range
    };
    for (const auto& c : {Case{5, 0, 6}, Case{0, 1, 7}, Case{5, 3, 24}, Case{6, 0, 0},
                          Case{-1, 1, 0}, Case{0, 4, 0}, Case{5, -1, 0}}) {
        state.SelectDistanceBand(c.distance);
        state.SelectTimeBand(c.time);
        if (c.seconds == 0) {
            EXPECT_THROW((void)state.UnitSeconds(), RuntimeFailure) << c.distance << "," << c.time;
        } else {
            EXPECT_EQ(state.UnitSeconds(), c.seconds);
        }
    }
}

}  // namespace
}  // namespace tolvane
