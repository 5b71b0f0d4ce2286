#include "tariff/conversion.h"

#include <cstdint>
#include <string>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

constexpr auto kToCharge = ConversionDirection::TimeToCharge;
constexpr auto kToTime = ConversionDirection::ChargeToTime;
constexpr auto kGeneral = DestinationKind::HOrGeneral;
constexpr auto kMobile = DestinationKind::Mobile;
constexpr std::int16_t kSuperL = 0, kSuperS = 1, kStandard = 2;

// A state whose selected band lasts `unitSeconds`, under the given plan.
TariffState StateWith(std::int16_t unitSeconds, std::int16_t plan = kStandard) {
    TariffState state;
    state.ResetSelections();
    state.SelectPlan(plan);
    state.SelectDistanceBand(2);
    state.SelectTimeBand(1);
    state.RateTable[RateTablePosition(2, 1)] = unitSeconds;
    return state;
}

TEST(Convert, ResultsAndSentences) {
    struct Case {
        ConversionDirection direction;
        DestinationKind destination;
        std::int16_t plan, unitSeconds;
        const char* input;
        std::int32_t result;
        const char* sentence;
    };
    const Case cases[] = {
        {kToCharge, kGeneral, kStandard, 30, "3", 70, "3分間の通話で料金は約70円です。"},
        {kToTime, kGeneral, kStandard, 30, "20", 0, "20円で約0分間通話できます。"},
        {kToTime, kGeneral, kStandard, 30, "30", 1, "30円で約1分間通話できます。"},
        {kToTime, kGeneral, kStandard, 30, "40", 2, "40円で約2分間通話できます。"},
        {kToCharge, kMobile, kStandard, 0, "1", 46, "1分間の通話で料金は約46円です。"},
        {kToTime, kMobile, kStandard, 0, "100", 2, "100円で約2分間通話できます。"},
        {kToCharge, kMobile, kSuperS, 99, "5", 192, "5分間の通話で料金は約192円です。"},
        // Amounts below the first unit buy no time, not a negative one.
        {kToTime, kGeneral, kStandard, 120, "0", 0, "0円で約0分間通話できます。"},
        {kToTime, kMobile, kStandard, 0, "", 0, "円で約0分間通話できます。"},
        // The factor is the binary32 0.9 widened: an exact 0.9 would make 13.5 and round to 14.
        {kToCharge, kGeneral, kSuperL, 60, "0.5", 13, "0.5分間の通話で料金は約13円です。"},
        {kToCharge, kGeneral, kSuperL, 60, "", 9, "分間の通話で料金は約9円です。"},
        {kToTime, kGeneral, kSuperL, 60, "9", 0, "9円で約0分間通話できます。"},
        // 0.5 with a float product 9 or an exact 0.9; the double product 8.99999976... makes it 1.
        {kToTime, kGeneral, kSuperL, 3, "99", 1, "99円で約1分間通話できます。"},
        // Each step rounded to a double; held wider or fused they give 11, 13 and 30.
        {kToCharge, kMobile, kStandard, 0, "0.01375", 10, "0.01375分間の通話で料金は約10円です。"},
        {kToCharge, kMobile, kStandard, 0, "0.06875", 12, "0.06875分間の通話で料金は約12円です。"},
        {kToCharge, kMobile, kStandard, 0, "0.53625", 29, "0.53625分間の通話で料金は約29円です。"},
        // The text is read as far as it is a number, and echoed as typed.
        {kToCharge, kGeneral, kStandard, 30, "12abc", 250, "12abc分間の通話で料金は約250円です。"},
        {kToCharge, kGeneral, kStandard, 30, "abc", 10, "abc分間の通話で料金は約10円です。"},
        {kToCharge, kMobile, kStandard, 0, "１２．５", 465,
         "１２．５分間の通話で料金は約465円です。"},
        {kToCharge, kMobile, kStandard, 0, "59055800", 2147483646,
         "59055800分間の通話で料金は約2147483646円です。"},
    };
    for (const auto& c : cases) {
        const auto conversion =
            Convert(c.direction, c.input, c.destination, StateWith(c.unitSeconds, c.plan));
        EXPECT_EQ(conversion.result, c.result) << c.input;
        EXPECT_EQ(conversion.sentence, c.sentence);
    }
}

TEST(Convert, EveryFailureCauseThrowsConversionFailed) {
    struct Case {
        const char* why;
        ConversionDirection direction;
        DestinationKind destination;
        std::int16_t unitSeconds, distanceBand;
        float factor;
        const char* input;
    };
    const Case cases[] = {
        {"division by zero", kToCharge, kGeneral, 0, 2, 1.0f, "1"},
        {"zero by zero", kToCharge, kGeneral, 0, 2, 1.0f, "0"},
        {"no rate, to time", kToTime, kGeneral, 0, 2, 1.0f, "40"},
        {"negative unit", kToCharge, kGeneral, -30, 2, 1.0f, "3"},
        {"beyond 32 bits", kToCharge, kMobile, 30, 2, 1.0f, "59055801"},
        {"beyond 32 bits, to time", kToTime, kGeneral, 32767, 2, 1.0f, "1e300"},
        {"formula overflows", kToCharge, kGeneral, 1, 2, 1.0f, "1e306"},
        {"number beyond a double", kToTime, kMobile, 30, 2, 1.0f, "-1e309"},
        {"negative minutes", kToCharge, kMobile, 30, 2, 1.0f, "-1"},
        {"negative full-width yen", kToTime, kGeneral, 30, 2, 1.0f, "－４０"},
        {"band out of range", kToCharge, kGeneral, 30, 6, 1.0f, "1"},
        {"no plan: division by zero", kToTime, kGeneral, 30, 2, 0.0f, "40"},
    };
    for (const auto& c : cases) {
        TariffState state = StateWith(c.unitSeconds);
        state.SelectDistanceBand(c.distanceBand);
        state.PlanFactor = c.factor;
        EXPECT_THROW(Convert(c.direction, c.input, c.destination, state), ConversionFailed)
            << c.why;
    }
}

TEST(Convert, ResultTypedBackInGivesTheInputAgain) {
    struct Trip {
        DestinationKind destination;
        std::int16_t plan, unitSeconds;
        const char* minutes;
    };
    for (const auto& trip : {Trip{kMobile, kSuperL, 0, "10"}, Trip{kGeneral, kStandard, 180, "25"},
                             Trip{kGeneral, kSuperL, 60, "5"}, Trip{kGeneral, kSuperS, 45, "12"},
                             Trip{kGeneral, kStandard, 32767, "32767"}}) {
        const TariffState state = StateWith(trip.unitSeconds, trip.plan);
        const auto charge = Convert(kToCharge, trip.minutes, trip.destination, state);
        const auto back = Convert(kToTime, std::to_string(charge.result), trip.destination, state);
        EXPECT_EQ(std::to_string(back.result), trip.minutes) << "charge " << charge.result;
    }
}

}  // namespace
}  // namespace tolvane
