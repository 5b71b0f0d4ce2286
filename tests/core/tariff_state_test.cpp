#include "tariff/tariff_state.h"

#include <bit>
#include <cstdint>
#include <numeric>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

std::uint32_t Bits(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

TEST(TariffState, DefaultConstructedIsAllZero) {
    const TariffState state;
    EXPECT_EQ(Bits(state.PlanFactor), 0u);
    EXPECT_EQ(state.LastResult, 0);
    EXPECT_EQ(state.DistanceBand, 0);
    EXPECT_EQ(state.TimeBand, 0);
    EXPECT_TRUE(state.AppDir.empty());
    for (const auto seconds : state.RateTable) {
        EXPECT_EQ(seconds, 0);
    }
}

TEST(TariffState, ResetSelectionsTouchesOnlyTheSelections) {
    TariffState state;
    state.AppDir = "/opt/tolvane/";
    state.RateTable[7] = 42;
    state.LastResult = 5;
    state.SelectPlan(1);
    state.SelectTimeBand(3);
    state.SelectDistanceBand(4);

    state.ResetSelections();

    EXPECT_EQ(Bits(state.PlanFactor), 0x3F666666u);
    EXPECT_EQ(state.DistanceBand, 0);
    EXPECT_EQ(state.TimeBand, 0);
    EXPECT_EQ(state.AppDir, "/opt/tolvane/");
    EXPECT_EQ(state.RateTable[7], 42);
    EXPECT_EQ(state.LastResult, 5);
}

TEST(TariffState, SelectPlanSetsBinary32FactorsAndIgnoresUnknownIndices) {
    struct Case {
        std::initializer_list<std::int16_t> selections;
        std::uint32_t bits;
    };
    const Case cases[] = {
        {{0}, 0x3F666666u},        {{1}, 0x3F99999Au},     {{2}, 0x3F800000u},
        {{1, 3}, 0x3F99999Au},     {{2, -1}, 0x3F800000u}, {{2, 1}, 0x3F99999Au},
        {{0, 32767}, 0x3F666666u},
    };
    for (const auto& c : cases) {
        TariffState state;
        state.ResetSelections();
        for (const auto index : c.selections) {
            state.SelectPlan(index);
        }
        EXPECT_EQ(Bits(state.PlanFactor), c.bits) << "last selection " << *(c.selections.end() - 1);
    }
}

TEST(TariffState, FactorTimesTenInDoubleIsNotNine) {
    TariffState state;
    state.ResetSelections();
    EXPECT_EQ(static_cast<double>(state.PlanFactor) * 10.0, 8.9999997615814208984375);
}

TEST(TariffState, UnitSecondsReadsDistanceFastest) {
    TariffState state;
    std::iota(state.RateTable.begin(), state.RateTable.end(), std::int16_t{1});
    struct Case {
        std::int16_t distance, time, seconds;
    };
    for (const auto c :
         {Case{5, 0, 6}, Case{0, 1, 7}, Case{0, 0, 1}, Case{5, 3, 24}, Case{2, 2, 15}}) {
        state.SelectDistanceBand(c.distance);
        state.SelectTimeBand(c.time);
        EXPECT_EQ(state.UnitSeconds(), c.seconds) << c.distance << "," << c.time;
    }
}

TEST(TariffState, UnitSecondsChecksDistanceThenTimeBand) {
    struct Case {
        std::int16_t distance, time;
        const char* complaint;
    };
    const Case cases[] = {
        {6, 0, "distance"}, {-1, 0, "distance"}, {0, 4, "time"},
        {0, -1, "time"},    {6, 4, "distance"},  {-32768, 32767, "distance"},
    };
    for (const auto& c : cases) {
        TariffState state;
        state.SelectDistanceBand(c.distance);
        state.SelectTimeBand(c.time);
        try {
            (void)state.UnitSeconds();
            ADD_FAILURE() << "no failure for " << c.distance << "," << c.time;
        } catch (const RuntimeFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(c.complaint), std::string::npos)
                << failure.what();
        }
    }
}

}  // namespace
}  // namespace tolvane
