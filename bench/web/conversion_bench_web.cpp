// A conversion inside the browser against the least it could cost there: reading the same text
// as a double (the C library's strtod, as the web's C++ library has no floating-point
// from_chars) and writing one integer as text (to_chars). Built as the page is, at -Os with
// exceptions. Each round times many iterations of the baseline and of each kind of conversion
// in turn, so that a busy machine slows all alike; the median round of each is reported, in the
// page's output, where bench/web/load_bench.py reads it.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tariff/conversion.h"

namespace {

using tolvane::ConversionDirection;
using tolvane::DestinationKind;

constexpr int kIterations = 100'000;
constexpr int kRounds = 15;

// What the optimiser must assume is read, so that no iteration is thrown away.
volatile std::size_t sink = 0;

struct Kind {
    const char* name;
    std::function<void()> body;
    std::vector<double> rounds;
};

double Median(std::vector<double> rounds) {
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

}  // namespace

int main() {
    const std::string text = "12.5";
    tolvane::TariffState state;
    state.ResetSelections();
    state.RateTable.fill(60);
    const auto convert = [&](ConversionDirection direction, DestinationKind destination) {
        return [&, direction, destination] {
            sink = sink + tolvane::Convert(direction, text, destination, state).sentence.size();
        };
    };
    std::array<Kind, 5> kinds = {{
        {"baseline (strtod and to_chars)",
         [&] {
             const double value = std::strtod(text.c_str(), nullptr);
             char digits[12];
             const auto end =
                 std::to_chars(digits, digits + sizeof digits, static_cast<int>(value));
             sink = sink + std::string(digits, end.ptr).size();
         },
         {}},
        {"minutes to yen, general",
         convert(ConversionDirection::TimeToCharge, DestinationKind::HOrGeneral),
         {}},
        {"minutes to yen, mobile",
         convert(ConversionDirection::TimeToCharge, DestinationKind::Mobile),
         {}},
        {"yen to minutes, general",
         convert(ConversionDirection::ChargeToTime, DestinationKind::HOrGeneral),
         {}},
        {"yen to minutes, mobile",
         convert(ConversionDirection::ChargeToTime, DestinationKind::Mobile),
         {}},
    }};
    for (int round = 0; round < kRounds; ++round) {
        for (Kind& kind : kinds) {
            const double start = emscripten_get_now();
            for (int i = 0; i < kIterations; ++i) {
                kind.body();
            }
            kind.rounds.push_back((emscripten_get_now() - start) * 1e6 / kIterations);
        }
    }
    const double baseline = Median(kinds[0].rounds);
    double worst = 0;
    for (const Kind& kind : kinds) {
        const double time = Median(kind.rounds);
        std::printf("%s: %.1f ns, %.2f times the baseline\n", kind.name, time, time / baseline);
        worst = std::max(worst, time / baseline);
    }
    std::printf("worst ratio %.2f\n", worst);
    return 0;
}
