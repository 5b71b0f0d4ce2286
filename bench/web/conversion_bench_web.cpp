// A conversion inside the browser against the least it could cost there: reading the same text
// as a double (the C library's strtod, as the web's C++ library has no floating-point
// from_chars) and writing one integer as text (to_chars). Built as the page is, at -Os with
// exceptions; each kind timed in rounds of many iterations, the median round reported, and the
// result written to the page and its title, where bench/web/load_bench.py reads it.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tariff/conversion.h"

namespace {

using tolvane::ConversionDirection;
using tolvane::DestinationKind;

constexpr int kIterations = 200'000;
constexpr int kRounds = 9;

// What the optimiser must assume is read, so that no iteration is thrown away.
volatile std::size_t sink = 0;

template <typename Body>
double MedianNanoseconds(Body body) {
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
        const double start = emscripten_get_now();
        for (int i = 0; i < kIterations; ++i) {
            body();
        }
        rounds.push_back((emscripten_get_now() - start) * 1e6 / kIterations);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[kRounds / 2];
}

}  // namespace

int main() {
    std::string text = "12.5";
    tolvane::TariffState state;
    state.ResetSelections();
    state.RateTable.fill(60);
    const double baseline = MedianNanoseconds([&] {
        const double value = std::strtod(text.c_str(), nullptr);
        char digits[12];
        const auto written = std::to_chars(digits, digits + sizeof digits, static_cast<int>(value));
        sink = sink + static_cast<std::size_t>(written.ptr - digits) +
               std::string(digits, written.ptr).size();
    });
    std::printf("baseline (strtod and to_chars): %.1f ns\n", baseline);
    double worst = 0;
    const std::array<std::pair<ConversionDirection, DestinationKind>, 4> kinds = {{
        {ConversionDirection::TimeToCharge, DestinationKind::HOrGeneral},
        {ConversionDirection::TimeToCharge, DestinationKind::Mobile},
        {ConversionDirection::ChargeToTime, DestinationKind::HOrGeneral},
        {ConversionDirection::ChargeToTime, DestinationKind::Mobile},
    }};
    for (const auto& kind : kinds) {
        const ConversionDirection direction = kind.first;
        const DestinationKind destination = kind.second;
        const double time = MedianNanoseconds([&] {
            sink = sink + tolvane::Convert(direction, text, destination, state).sentence.size();
        });
        std::printf(
            "%s, %s: %.1f ns, %.2f times the baseline\n",
            direction == ConversionDirection::TimeToCharge ? "minutes to yen" : "yen to minutes",
            destination == DestinationKind::Mobile ? "mobile" : "general", time, time / baseline);
        worst = std::max(worst, time / baseline);
    }
    std::printf("worst ratio %.2f\n", worst);
    return 0;
}
