#pragma once

// What a conversion is measured on, by the timed benchmark and by the instruction count alike:
// one text, one table, each kind of conversion, and the least a conversion could cost.
#include <array>
#include <charconv>
#include <string>
#include <string_view>

#include "tariff/conversion.h"
#include "tariff/tariff_state.h"

namespace tolvane::bench {

inline constexpr std::string_view kInput = "12.5";

struct ConversionKind {
    const char* name;
    ConversionDirection direction;
    DestinationKind destination;
};

inline constexpr std::array<ConversionKind, 4> kConversionKinds = {{
    {"TimeToCharge_General", ConversionDirection::TimeToCharge, DestinationKind::HOrGeneral},
    {"TimeToCharge_Mobile", ConversionDirection::TimeToCharge, DestinationKind::Mobile},
    {"ChargeToTime_General", ConversionDirection::ChargeToTime, DestinationKind::HOrGeneral},
    {"ChargeToTime_Mobile", ConversionDirection::ChargeToTime, DestinationKind::Mobile},
}};

// The start-up selections, every unit 60 seconds long.
inline TariffState BenchState() {
    TariffState state;
    state.ResetSelections();
    state.RateTable.fill(60);
    return state;
}

// The baseline: the text read as a double, and one integer written as text.
inline std::string FromCharsAndFormat(std::string_view text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    char buffer[12];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int>(value));
    return std::string(buffer, written.ptr);
}

}  // namespace tolvane::bench
