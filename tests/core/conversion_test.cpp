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
constexpr auto kSuperL = PlanIndex::SuperPackL;
constexpr auto kSuperS = PlanIndex::SuperPackS;
constexpr auto kStandard = PlanIndex::StandardPlan;

// A state whose selected band has the given unit length, under the given plan.
TariffState StateWith(std::int16_t unitSeconds, PlanIndex plan = kStandard) {
    TariffState state;
    state.ResetSelections();
    state.SelectPlan(static_cast<std::int16_t>(plan));
    state.SelectDistanceBand(2);
    state.SelectTimeBand(1);
    state.RateTable[RateTablePosition(2, 1)] = unitSeconds;
    return state;
}

struct Case {
    ConversionDirection direction;
    DestinationKind destination;
    PlanIndex plan;
    std::int16_t unitSeconds;
    const char* input;
    std::int32_t result;
    const char* sentence;
};

void ExpectConversions(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("input \"") + c.input + "\"");
        const auto conversion =
            Convert(c.direction, c.input, c.destination, StateWith(c.unitSeconds, c.plan));
        EXPECT_EQ(conversion.result, c.result);
        EXPECT_EQ(conversion.sentence, c.sentence);
    }
}

TEST(Convert, WorkedValues) {
    ExpectConversions({
        {kToCharge, kGeneral, kStandard, 30, "3", 70, "3分間の通話で料金は約70円です。"},
        {kToTime, kGeneral, kStandard, 30, "20", 0, "20円で約0分間通話できます。"},
        {kToTime, kGeneral, kStandard, 30, "40", 2, "40円で約2分間通話できます。"},
        {kToCharge, kMobile, kStandard, 0, "1", 46, "1分間の通話で料金は約46円です。"},
        {kToTime, kMobile, kStandard, 0, "100", 2, "100円で約2分間通話できます。"},
        {kToCharge, kMobile, kSuperS, 0, "5", 192, "5分間の通話で料金は約192円です。"},
        // An amount below the first unit buys no time, rather than a negative time.
        {kToTime, kGeneral, kStandard, 120, "0", 0, "0円で約0分間通話できます。"},
        {kToTime, kGeneral, kStandard, 30, "30", 1, "30円で約1分間通話できます。"},
    });
}

TEST(Convert, TextIsReadAsFarAsItIsANumberAndEchoedUnaltered) {
    ExpectConversions({
        {kToCharge, kMobile, kStandard, 0, "", 10, "分間の通話で料金は約10円です。"},
        {kToTime, kMobile, kStandard, 0, "", 0, "円で約0分間通話できます。"},
        {kToCharge, kGeneral, kStandard, 30, "12abc", 250, "12abc分間の通話で料金は約250円です。"},
        {kToCharge, kGeneral, kStandard, 30, "abc", 10, "abc分間の通話で料金は約10円です。"},
        {kToCharge, kMobile, kStandard, 0, "１２．５", 465,
         "１２．５分間の通話で料金は約465円です。"},
        {kToTime, kMobile, kStandard, 0, "　４６円", 1, "　４６円円で約1分間通話できます。"},
        {kToCharge, kGeneral, kStandard, 30, "-0", 10, "-0分間の通話で料金は約10円です。"},
    });
}

// The plan factor is the binary32 value widened, never the double 0.9: with an exact 0.9 the
// first row would be 13.5 and round to 14.
TEST(Convert, Binary32PlanFactorTraps) {
    ExpectConversions({
        {kToCharge, kGeneral, kSuperL, 60, "0.5", 13, "0.5分間の通話で料金は約13円です。"},
        {kToCharge, kGeneral, kSuperL, 60, "", 9, "分間の通話で料金は約9円です。"},
        {kToCharge, kGeneral, kSuperL, 60, "0", 9, "0分間の通話で料金は約9円です。"},
        {kToCharge, kGeneral, kSuperS, 60, "1", 24, "1分間の通話で料金は約24円です。"},
        {kToTime, kGeneral, kSuperL, 60, "9", 0, "9円で約0分間通話できます。"},
        {kToTime, kGeneral, kSuperL, 1, "9", 0, "9円で約0分間通話できます。"},
    });
}

// Each step rounded to a double gives exactly 10.5 (then 10) for the first; holding
// intermediates wider, or fusing the last multiply and add, gives 11, 13 and 30.
TEST(Convert, ExcessPrecisionTraps) {
    ExpectConversions({
        {kToCharge, kMobile, kStandard, 0, "0.01375", 10, "0.01375分間の通話で料金は約10円です。"},
        {kToCharge, kMobile, kStandard, 0, "0.06875", 12, "0.06875分間の通話で料金は約12円です。"},
        {kToCharge, kMobile, kStandard, 0, "0.53625", 29, "0.53625分間の通話で料金は約29円です。"},
    });
}

TEST(Convert, EveryFailureCauseThrowsConversionFailed) {
    struct FailureCase {
        const char* why;
        ConversionDirection direction;
        DestinationKind destination;
        TariffState state;
        const char* input;
    };
    TariffState distanceOutOfRange = StateWith(30);
    distanceOutOfRange.SelectDistanceBand(6);
    TariffState timeOutOfRange = StateWith(30);
    timeOutOfRange.SelectTimeBand(-1);
    TariffState noPlan = StateWith(30);
    noPlan.PlanFactor = 0.0f;

    const FailureCase cases[] = {
        {"division by zero", kToCharge, kGeneral, StateWith(0), "1"},
        {"zero by zero", kToCharge, kGeneral, StateWith(0), "0"},
        {"unloaded band, to time", kToTime, kGeneral, StateWith(0), "40"},
        {"negative unit, to charge", kToCharge, kGeneral, StateWith(-30), "3"},
        {"negative unit, to time", kToTime, kGeneral, StateWith(-30), "40"},
        {"beyond 32 bits", kToCharge, kMobile, StateWith(30), "100000000"},
        {"beyond 32 bits, to time", kToTime, kGeneral, StateWith(32767), "1e300"},
        {"formula overflows", kToCharge, kGeneral, StateWith(1), "1e306"},
        {"number beyond double", kToCharge, kMobile, StateWith(30), "1e309"},
        {"negative number beyond double", kToTime, kMobile, StateWith(30), "-1e309"},
        {"negative minutes", kToCharge, kMobile, StateWith(30), "-1"},
        {"negative yen", kToTime, kGeneral, StateWith(30), "-40"},
        {"negative full-width", kToCharge, kGeneral, StateWith(30), "－１"},
        {"distance band out of range", kToCharge, kGeneral, distanceOutOfRange, "1"},
        {"time band out of range", kToTime, kGeneral, timeOutOfRange, "1"},
        {"zero plan factor divides by zero", kToTime, kGeneral, noPlan, "40"},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(Convert(c.direction, c.input, c.destination, c.state), ConversionFailed)
            << c.why;
    }
}

TEST(Convert, MobileNeverReadsTheBands) {
    TariffState state = StateWith(0);
    state.SelectDistanceBand(99);
    EXPECT_EQ(Convert(kToCharge, "1", kMobile, state).result, 46);
    EXPECT_EQ(Convert(kToTime, "46", kMobile, state).result, 1);
}

TEST(Convert, ResultsUpToThe32BitLimitFit) {
    ExpectConversions({
        {kToCharge, kMobile, kStandard, 0, "59055800", 2147483646,
         "59055800分間の通話で料金は約2147483646円です。"},
        {kToTime, kMobile, kStandard, 0, "2147483647", 59055800,
         "2147483647円で約59055800分間通話できます。"},
    });
    EXPECT_THROW(Convert(kToCharge, "59055801", kMobile, StateWith(0)), ConversionFailed);
}

TEST(Convert, ResultTypedBackInGivesTheInputAgain) {
    struct RoundTrip {
        DestinationKind destination;
        PlanIndex plan;
        std::int16_t unitSeconds;
        const char* minutes;
    };
    const RoundTrip trips[] = {
        {kMobile, kStandard, 0, "1"},    {kMobile, kSuperL, 0, "10"},
        {kGeneral, kStandard, 30, "3"},  {kGeneral, kStandard, 180, "25"},
        {kGeneral, kSuperL, 60, "5"},    {kGeneral, kSuperS, 45, "12"},
        {kGeneral, kStandard, 1, "600"}, {kGeneral, kStandard, 32767, "32767"},
    };
    for (const auto& trip : trips) {
        const TariffState state = StateWith(trip.unitSeconds, trip.plan);
        const auto charge = Convert(kToCharge, trip.minutes, trip.destination, state);
        const auto back = Convert(kToTime, std::to_string(charge.result), trip.destination, state);
        EXPECT_EQ(std::to_string(back.result), trip.minutes) << "charge " << charge.result;
    }
}

TEST(Convert, NeverChangesTheState) {
    const TariffState state = StateWith(30, kSuperS);
    TariffState copy = state;
    (void)Convert(kToCharge, "3", kGeneral, copy);
    (void)Convert(kToTime, "3", kGeneral, copy);
    EXPECT_EQ(copy.PlanFactor, state.PlanFactor);
    EXPECT_EQ(copy.LastResult, state.LastResult);
    EXPECT_EQ(copy.RateTable, state.RateTable);
}

}  // namespace
}  // namespace tolvane
