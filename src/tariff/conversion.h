#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tariff/tariff_state.h"

namespace tolvane {

// The one way a conversion fails, whatever the cause; the window shows a single message for it.
class ConversionFailed : public std::runtime_error {
  public:
    ConversionFailed();
};

struct Conversion {
    std::int32_t result;
    // The announcement: the input text exactly as typed, then the rounded result in words.
    std::string sentence;
};

// Turns minutes into yen (TimeToCharge) or yen into minutes (ChargeToTime). The input and the
// sentence are UTF-8; the state is only read. Throws ConversionFailed and nothing else.
Conversion Convert(ConversionDirection direction, std::string_view input,
                   DestinationKind destination, const TariffState& state);

}  // namespace tolvane
