// A whole conversion against the least it could cost: reading the same text as a double and
// writing one integer as text. The ratio of the two is what to watch, and beside it how many
// times an iteration asks the heap for memory (the sentence's one allocation, for a conversion).
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "common/allocation_count.h"
#include "conversion_kinds.h"

namespace {

using tolvane::bench::kInput;

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

void BM_Baseline_FromCharsAndFormat(benchmark::State& loop) {
    Measure(loop, [] {
        std::string_view text = kInput;
        benchmark::DoNotOptimize(text);
        std::string digits = tolvane::bench::FromCharsAndFormat(text);
        benchmark::DoNotOptimize(digits);
    });
}

void BM_Convert(benchmark::State& loop, tolvane::bench::ConversionKind kind) {
    const tolvane::TariffState state = tolvane::bench::BenchState();
    Measure(loop, [&] {
        std::string_view text = kInput;
        benchmark::DoNotOptimize(text);
        auto conversion = tolvane::Convert(kind.direction, text, kind.destination, state);
        benchmark::DoNotOptimize(conversion);
    });
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("BM_Baseline_FromCharsAndFormat", BM_Baseline_FromCharsAndFormat);
    for (const auto& kind : tolvane::bench::kConversionKinds) {
        benchmark::RegisterBenchmark((std::string("BM_Convert/") + kind.name).c_str(), BM_Convert,
                                     kind);
    }
    return true;
}();

}  // namespace
