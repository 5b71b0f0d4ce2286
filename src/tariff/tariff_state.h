#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tolvane {

// Which kind of telephone is called. It is read from the window when a conversion starts and
// is not part of the state.
enum class DestinationKind { HOrGeneral, Mobile };

enum class ConversionDirection { TimeToCharge, ChargeToTime };

// The choices, in the order of the option buttons that select them: an enumerator's value is
// its option's index.
enum class PlanIndex : std::int16_t { SuperPackL, SuperPackS, StandardPlan };
enum class TimeBandIndex : std::int16_t { LateNight, Evening, Daytime, HolidayDaytime };
enum class DistanceBandIndex : std::int16_t {
    SameArea,
    Adjacent30km,
    Upto60km,
    Upto100km,
    Upto160km,
    Over160km
};

inline constexpr std::int16_t kTimeBandCount =
    static_cast<std::int16_t>(TimeBandIndex::HolidayDaytime) + 1;
inline constexpr std::int16_t kDistanceBandCount =
    static_cast<std::int16_t>(DistanceBandIndex::Over160km) + 1;
inline constexpr std::size_t kRateTableSize = 24;

// Position of the unit length for a distance band and a time band in the flat rate table:
// the distance band varies fastest, in the order the table file lists the values.
constexpr std::size_t RateTablePosition(std::int16_t distanceBand, std::int16_t timeBand) {
    return static_cast<std::size_t>(timeBand * kDistanceBandCount + distanceBand);
}

// Everything a conversion depends on besides the typed number and the destination, plus the
// latest result and the program directory. Default-constructed, every member is zero or empty.
struct TariffState {
    // Multiplier of the selected plan. Held as a binary32 value on purpose: the conversions
    // widen exactly this value, and 0.9f is not the double 0.9.
    float PlanFactor = 0.0f;
    std::int32_t LastResult = 0;
    std::int16_t DistanceBand = 0;
    std::int16_t TimeBand = 0;
    // Program directory, always ending in '/'.
    std::string AppDir;
    // Seconds per 10-yen unit at factor 1.0, at RateTablePosition(distance, time band).
    std::array<std::int16_t, kRateTableSize> RateTable{};

    // The start-up selections: the first plan, the first time band, the first distance band.
    void ResetSelections();
    // Unknown plan indices leave the factor as it is.
    void SelectPlan(std::int16_t index);
    void SelectTimeBand(std::int16_t index);
    void SelectDistanceBand(std::int16_t index);
    // The unit length of the selected bands. Throws RuntimeFailure when the distance band, and
    // then the time band, is out of range.
    std::int16_t UnitSeconds() const;
};

// The binary32 factor of one of the three plans.
float PlanFactorOf(PlanIndex plan);

}  // namespace tolvane
