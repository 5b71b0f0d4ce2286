#include "tariff/conversion.h"

#include "runtime/float_fault.h"
#include "runtime/int_to_text.h"
#include "runtime/round_half_even.h"
#include "runtime/strict_float.h"
#include "runtime/val_of_text.h"

namespace tolvane {
namespace {

// Each constant has exactly this value and width; the results are defined by them.
constexpr double kSecondsPerMinute = 60.0;
constexpr double kYenPerUnit = 10.0;
constexpr float kFactorScale = 10.0f;
constexpr double kMobileUnitSeconds = 16.5;
constexpr double kMobileFirstUnit = -10.0;

// Every formula below is one IEEE double operation per line, in this order, each rounded
// once. Regrouping, widening or fusing any of them changes results for some inputs.

double TimeToChargeGeneral(double v, double unitSeconds, double factor) {
    double a = v * kSecondsPerMinute;
    a = a / unitSeconds;
    a = a * kYenPerUnit;
    a = a * factor;
    // Formed in double: the exact product 8.99999976... for 0.9f, where a float product is 9.
    const double b = factor * static_cast<double>(kFactorScale);
    return a + b;
}

double TimeToChargeMobile(double v) {
    double x = v * kSecondsPerMinute;
    x = x / kMobileUnitSeconds;
    x = x * kYenPerUnit;
    return x - kMobileFirstUnit;
}

double ChargeToTimeGeneral(double v, double unitSeconds, double factor) {
    const double b = factor * static_cast<double>(kFactorScale);
    double a = v - b;
    a = a / b;
    a = a * unitSeconds;
    return a / kSecondsPerMinute;
}

double ChargeToTimeMobile(double v) {
    double x = v - kYenPerUnit;
    x = x / kYenPerUnit;
    x = x * kMobileUnitSeconds;
    return x / kSecondsPerMinute;
}

double Formula(ConversionDirection direction, double v, DestinationKind destination,
               const TariffState& state) {
    const bool toCharge = direction == ConversionDirection::TimeToCharge;
    if (destination == DestinationKind::Mobile) {
        return toCharge ? TimeToChargeMobile(v) : ChargeToTimeMobile(v);
    }
    const std::int16_t unitSeconds = state.UnitSeconds();
    // A unit length of zero or less means the band has no valid rate in the table.
    if (unitSeconds <= 0) {
        throw ConversionFailed();
    }
    const auto t = static_cast<double>(unitSeconds);
    const auto r = static_cast<double>(state.PlanFactor);
    return toCharge ? TimeToChargeGeneral(v, t, r) : ChargeToTimeGeneral(v, t, r);
}

Conversion ConvertOrThrow(ConversionDirection direction, std::string_view input,
                          DestinationKind destination, const TariffState& state) {
    const double v = ValOfText(input);
    // Neither a call time nor an amount of money can be negative.
    if (v < 0.0) {
        throw ConversionFailed();
    }
    double x = Formula(direction, v, destination, state);
    CheckFloatResult(x);
    // An amount that does not cover the first unit buys no call time at all.
    if (direction == ConversionDirection::ChargeToTime && x < 0.0) {
        x = 0.0;
    }
    const std::int32_t result = RoundHalfEven(x);

    const bool toCharge = direction == ConversionDirection::TimeToCharge;
    const std::string_view middle = toCharge ? "分間の通話で料金は約" : "円で約";
    const std::string_view ending = toCharge ? "円です。" : "分間通話できます。";
    const IntText digits(result);
    // The sentence is the one allocation a conversion makes, at its exact size, written where
    // the caller receives it.
    Conversion conversion{result, {}};
    std::string& sentence = conversion.sentence;
    sentence.reserve(input.size() + middle.size() + digits.View().size() + ending.size());
    sentence.append(input).append(middle).append(digits.View()).append(ending);
    return conversion;
}

}  // namespace

ConversionFailed::ConversionFailed() : std::runtime_error("conversion failed") {}

Conversion Convert(ConversionDirection direction, std::string_view input,
                   DestinationKind destination, const TariffState& state) {
    try {
        return ConvertOrThrow(direction, input, destination, state);
    } catch (const ConversionFailed&) {
        throw;
    } catch (...) {
        // Whatever went wrong (a run-time fault, even memory running out for a huge input)
        // ends the conversion the same single way.
        throw ConversionFailed();
    }
}

}  // namespace tolvane
