#include "tariff/tariff_state.h"

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

constexpr std::array<float, 3> kPlanFactors = {0.9f, 1.2f, 1.0f};

// The exact binary32 values the tariff results are defined with. The compiler's own bit cast:
// the web's C++ library has no std::bit_cast.
static_assert(__builtin_bit_cast(std::uint32_t, kPlanFactors[0]) == 0x3F666666);
static_assert(__builtin_bit_cast(std::uint32_t, kPlanFactors[1]) == 0x3F99999A);
static_assert(__builtin_bit_cast(std::uint32_t, kPlanFactors[2]) == 0x3F800000);

}  // namespace

float PlanFactorOf(PlanIndex plan) {
    return kPlanFactors[static_cast<std::size_t>(plan)];
}

void TariffState::ResetSelections() {
    PlanFactor = PlanFactorOf(PlanIndex::SuperPackL);
    DistanceBand = 0;
    TimeBand = 0;
}

void TariffState::SelectPlan(std::int16_t index) {
    if (index >= 0 && static_cast<std::size_t>(index) < kPlanFactors.size()) {
        PlanFactor = kPlanFactors[static_cast<std::size_t>(index)];
    }
}

void TariffState::SelectTimeBand(std::int16_t index) {
    TimeBand = index;
}

void TariffState::SelectDistanceBand(std::int16_t index) {
    DistanceBand = index;
}

std::int16_t TariffState::UnitSeconds() const {
    if (DistanceBand < 0 || DistanceBand >= kDistanceBandCount) {
        throw RuntimeFailure("distance band out of range");
    }
    if (TimeBand < 0 || TimeBand >= kTimeBandCount) {
        throw RuntimeFailure("time band out of range");
    }
    return RateTable[RateTablePosition(DistanceBand, TimeBand)];
}

}  // namespace tolvane
