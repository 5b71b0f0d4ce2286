#include "tariff/tariff_state.h"

#include <bit>
#include <cstdint>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(TariffState, PlansSetBinary32FactorsAndUnknownIndicesAreIgnored) {
    struct Case {
        std::initializer_list<std::int16_t> selections;
        std::uint32_t bits;
    };
    for (const auto& c : {Case{{}, 0x3F666666u}, Case{{1}, 0x3F99999Au}, Case{{2}, 0x3F800000u},
                          Case{{1, 3}, 0x3F99999Au}, Case{{2, -1}, 0x3F800000u}}) {
        TariffState state;
        state.ResetSelections();
        for (const auto index : c.selections) {
            state.SelectPlan(index);
        }
        EXPECT_EQ(std::bit_cast<std::uint32_t>(state.PlanFactor), c.bits);
    }
}

TEST(TariffState, UnitSecondsReadsDistanceFastestAndChecksDistanceFirst) {
    TariffState state;
    std::iota(state.RateTable.begin(), state.RateTable.end(), std::int16_t{1});
    struct Case {
        std::int16_t distance, time, seconds;
        const char* complaint;
    };
    for (const auto& c :
         {Case{5, 0, 6, ""}, Case{0, 1, 7, ""}, Case{5, 3, 24, ""}, Case{6, 0, 0, "distance"},
          Case{-1, 4, 0, "distance"}, Case{0, 4, 0, "time"}, Case{5, -1, 0, "time"}}) {
        state.SelectDistanceBand(c.distance);
        state.SelectTimeBand(c.time);
        if (*c.complaint == '\0') {
            EXPECT_EQ(state.UnitSeconds(), c.seconds);
            continue;
        }
        try {
            (void)state.UnitSeconds();
            ADD_FAILURE() << "no failure for " << c.distance << "," << c.time;
        } catch (const RuntimeFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.complaint), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tolvane
