#pragma once

// How a conversion input's first bytes choose the setting it is converted under: shared by the
// conversion fuzzer and the replay that records the corpus's results on every system.
#include <cstddef>
#include <cstdint>

#include "tariff/tariff_state.h"

namespace tolvane {

inline constexpr std::size_t kSettingBytes = 6;

// The plan, the bands and a varied rate table from data[0..kSettingBytes).
inline TariffState SettingOf(const std::uint8_t* data) {
    TariffState state;
    state.ResetSelections();
    state.SelectPlan(static_cast<std::int16_t>(data[0] % 4));  // 3 is no plan: ignored
    // Bands one beyond each end now and then, which the window can never select.
    state.SelectTimeBand(static_cast<std::int16_t>(data[1] % 6 - 1));
    state.SelectDistanceBand(static_cast<std::int16_t>(data[2] % 8 - 1));
    const auto base = static_cast<std::int16_t>(data[3] | data[4] << 8);
    const auto step = static_cast<std::int8_t>(data[5]);
    for (std::size_t i = 0; i < state.RateTable.size(); ++i) {
        state.RateTable[i] = static_cast<std::int16_t>(base + static_cast<int>(i) * step);
    }
    return state;
}

}  // namespace tolvane
