#include "tariff/conversion.h"

#include <cstdint>
#include <exception>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

constexpr auto kToCharge = ConversionDirection::TimeToCharge;
constexpr auto kToTime = ConversionDirection::ChargeToTime;
constexpr auto kGeneral = DestinationKind::HOrGeneral;
constexpr auto kMobile = DestinationKind::Mobile;
constexpr std::int16_t kSuperL = 0, kSuperS = 1, kStandard = 2, kNoPlan = 3;

struct Case {
    ConversionDirection direction;
    DestinationKind destination;
    std::int16_t plan, unitSeconds;  // the selected band's unit, under that plan
    const char* input;
    std::int32_t result;  // -1: ConversionFailed
};

// Each case reports on its own: one that fails, or throws what it should not, does not hide
// the cases after it.
void Expect(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input);
        TariffState state;
        state.SelectPlan(c.plan);
        state.SelectDistanceBand(2);
        state.SelectTimeBand(1);
        state.RateTable[RateTablePosition(2, 1)] = c.unitSeconds;
        std::int32_t result = -1;
        try {
            result = Convert(c.direction, c.input, c.destination, state).result;
        } catch (const ConversionFailed&) {
        } catch (const std::exception& e) {
            ADD_FAILURE() << "threw " << e.what();
        }
        EXPECT_EQ(result, c.result);
    }
}

TEST(Convert, Results) {
    Expect({Case{kToCharge, kGeneral, kStandard, 30, "3", 70},
            Case{kToCharge, kGeneral, kStandard, 1, "1", 610},
            Case{kToTime, kGeneral, kStandard, 30, "30", 1},
            Case{kToTime, kGeneral, kStandard, 30, "40", 2},
            Case{kToCharge, kMobile, kNoPlan, 0, "1", 46},
            Case{kToTime, kMobile, kNoPlan, 0, "100", 2},
            Case{kToCharge, kMobile, kSuperS, 99, "5", 192},
            Case{kToCharge, kMobile, kStandard, 0, "59055800", 2147483646}});
    // Amounts below the first unit buy no time, not a negative one.
    Expect({Case{kToTime, kGeneral, kStandard, 30, "20", 0},
            Case{kToTime, kGeneral, kStandard, 120, "0", 0},
            Case{kToTime, kMobile, kStandard, 0, "", 0}});
    // The factor is the binary32 0.9 widened: an exact 0.9 would make 13.5 and round to 14;
    // for 99 yen a float product 9 or an exact 0.9 gives 0.5, the double product 8.99999976...
    // gives 1.
    Expect({Case{kToCharge, kGeneral, kSuperL, 60, "0.5", 13},
            Case{kToCharge, kGeneral, kSuperL, 60, "", 9},
            Case{kToTime, kGeneral, kSuperL, 60, "9", 0},
            Case{kToTime, kGeneral, kSuperL, 3, "99", 1}});
    // Mobiles: 16.5 seconds a unit, both ways. Exact halves, which go to the even neighbour:
    // a rate any higher or lower moves one of each pair to the other side.
    Expect({Case{kToCharge, kMobile, kStandard, 0, "0.34375", 22},
            Case{kToCharge, kMobile, kStandard, 0, "1.03125", 48},
            Case{kToTime, kMobile, kStandard, 0, "210", 6},
            Case{kToTime, kMobile, kStandard, 0, "610", 16}});
}

TEST(Convert, EveryFailureCauseThrowsConversionFailed) {
    // No valid rate, a result beyond 32 bits or beyond a double, a negative input, no plan.
    Expect({Case{kToCharge, kGeneral, kStandard, 0, "1", -1},
            Case{kToCharge, kGeneral, kStandard, 0, "0", -1},
            Case{kToTime, kGeneral, kStandard, 0, "40", -1},
            Case{kToCharge, kGeneral, kStandard, -30, "3", -1},
            Case{kToCharge, kMobile, kStandard, 30, "59055801", -1},
            Case{kToTime, kGeneral, kStandard, 32767, "1e300", -1},
            Case{kToCharge, kGeneral, kStandard, 1, "1e306", -1},
            Case{kToTime, kMobile, kStandard, 30, "-1e309", -1},
            Case{kToCharge, kMobile, kStandard, 30, "1e309", -1},
            Case{kToCharge, kMobile, kStandard, 30, "-1", -1},
            Case{kToTime, kGeneral, kStandard, 30, "－４０", -1},
            Case{kToTime, kGeneral, kNoPlan, 30, "40", -1}});
}

// The text is read as far as it is a number, and echoed exactly as typed.
TEST(Convert, SentenceEchoesTheInputAndGivesTheResultInWords) {
    TariffState state;
    state.SelectPlan(kStandard);
    state.RateTable[0] = 30;
    for (const auto& [direction, input, sentence] :
         {std::tuple{kToCharge, "12abc", "12abc分間の通話で料金は約250円です。"},
          std::tuple{kToCharge, "", "分間の通話で料金は約10円です。"},
          std::tuple{kToTime, "１２０", "１２０円で約6分間通話できます。"}}) {
        EXPECT_EQ(Convert(direction, input, kGeneral, state).sentence, sentence);
    }
}

}  // namespace
}  // namespace tolvane
