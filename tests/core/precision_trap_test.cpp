// Inputs on which the conversions' answers would change if the tariff layer held intermediates
// wider or fused multiply-adds (tariff/precision_traps.h). Built with -ffp-contract=fast
// -march=native, the tariff layer fails every fused trap below; built with -mfpmath=387
// (strict_float.h's check removed), it fails five of them: on x86-64 the result is rounded to a
// double on its way out, which hides the rest.
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "runtime/val_of_text.h"
#include "tariff/precision_traps.h"

namespace tolvane::traps {
namespace {

TEST(PrecisionTraps, ThePinnedInputsStillTellTheArithmeticsApartAndTheSearchFindsThem) {
    struct Trap {
        Setting setting;
        const char* input;
        std::int32_t result, wider, fused;
    };
    // Wider goes up or down on the doubles nearest to these short decimals, where fusing
    // changes nothing; fusing changes answers only a step or two from a half (an input typed
    // with 17 digits), where wider arithmetic does as well.
    for (const auto& trap :
         {Trap{kMobileMinutes, "0.01375", 10, 11, 10}, Trap{kMobileMinutes, "0.06875", 12, 13, 12},
          Trap{kMobileMinutes, "0.53625", 29, 30, 29}, Trap{kMobileMinutes, "0.15125", 16, 15, 16},
          Trap{kMobileMinutes, "0.34375000000000006", 22, 23, 23},
          Trap{kMobileMinutes, "0.20624999999999993", 18, 17, 17},
          Trap{kSuperLMinutes, "0.1666666975727797", 10, 11, 11},
          Trap{kSuperLMinutes, "0.2777778116273299", 12, 11, 11},
          Trap{kSuperSMinutes, "0.37499994536241127", 16, 17, 17},
          Trap{kMobileYen, "100.90909090909092", 2, 3, 2},
          Trap{kSuperSYen, "196.00000778834024", 12, 11, 12}}) {
        SCOPED_TRACE(trap.input);
        const double v = ValOfText(trap.input);
        EXPECT_EQ(Program(trap.setting, trap.input), trap.result);
        for (const auto& [other, answer] :
             {std::pair{Arithmetic::Wider, trap.wider}, std::pair{Arithmetic::Fused, trap.fused}}) {
            EXPECT_EQ(Answer(trap.setting, v, other), answer);
            const std::string line = std::string(trap.input) + ' ' + std::to_string(trap.result) +
                                     ' ' + std::to_string(answer);
            EXPECT_EQ(Search(trap.setting, other, 40).find(line + '\n') != std::string::npos,
                      answer != trap.result)
                << line;
        }
    }
}

}  // namespace
}  // namespace tolvane::traps
