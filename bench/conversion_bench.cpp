// A whole conversion against the least it could cost: reading the same text as a double and
// writing one integer as text. The ratio of the two is what to watch, and beside it how many
// times an iteration asks the heap for memory (the sentence's one allocation, for a conversion).
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <string_view>

#include "common/allocation_count.h"
#include "tariff/conversion.h"

namespace {

// Runs the loop body for every iteration and reports its allocations per iteration.
template <typename Body>
void Measure(benchmark::State& loop, Body body) {
    const tolvane::testing::AllocationCount allocations;
    for (auto _ : loop) {
        body();
    }
    loop.counters["allocations"] = benchmark::Counter(static_cast<double>(allocations.Made()),
                                                      benchmark::Counter::kAvgIterations);
}

using tolvane::ConversionDirection;
using tolvane::DestinationKind;

constexpr std::string_view kInput = "12.5";

tolvane::TariffState BenchState() {
    tolvane::TariffState state;
    state.ResetSelections();
    state.RateTable.fill(60);
    return state;
}

void BM_Baseline_FromCharsAndFormat(benchmark::State& loop) {
    Measure(loop, [] {
        std::string_view text = kInput;
        benchmark::DoNotOptimize(text);
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        benchmark::DoNotOptimize(value);
        char buffer[12];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<int>(value));
        std::string digits(buffer, written.ptr);
        benchmark::DoNotOptimize(digits);
    });
}
BENCHMARK(BM_Baseline_FromCharsAndFormat);

void BM_Convert(benchmark::State& loop, ConversionDirection direction,
                DestinationKind destination) {
    const tolvane::TariffState state = BenchState();
    Measure(loop, [&] {
        std::string_view text = kInput;
        benchmark::DoNotOptimize(text);
        auto conversion = tolvane::Convert(direction, text, destination, state);
        benchmark::DoNotOptimize(conversion);
    });
}
BENCHMARK_CAPTURE(BM_Convert, TimeToCharge_General, ConversionDirection::TimeToCharge,
                  DestinationKind::HOrGeneral);
BENCHMARK_CAPTURE(BM_Convert, TimeToCharge_Mobile, ConversionDirection::TimeToCharge,
                  DestinationKind::Mobile);
BENCHMARK_CAPTURE(BM_Convert, ChargeToTime_General, ConversionDirection::ChargeToTime,
                  DestinationKind::HOrGeneral);
BENCHMARK_CAPTURE(BM_Convert, ChargeToTime_Mobile, ConversionDirection::ChargeToTime,
                  DestinationKind::Mobile);

}  // namespace
