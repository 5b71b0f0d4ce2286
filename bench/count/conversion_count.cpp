// Runs one kind of conversion, or the baseline, a fixed number of times with callgrind's count on
// around the loop alone: instructions, unlike time, are the same from run to run whatever else
// the machine does, so `make bench-count` can hold them to a budget.
//   conversion_count KIND ITERATIONS    (KIND: Baseline or a kind of conversion_kinds.h)
// Under `valgrind --tool=callgrind --collect-atstart=no`; outside it, it just runs.
#include <valgrind/callgrind.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "conversion_kinds.h"

namespace {

template <typename Body>
void Count(long iterations, Body body) {
    // Once uncounted first: the first call of each library function binds it, a cost a user pays
    // once per run, not per conversion.
    body();
    CALLGRIND_TOGGLE_COLLECT;
    for (long i = 0; i < iterations; ++i) {
        body();
    }
    CALLGRIND_TOGGLE_COLLECT;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string_view kind = argc > 1 ? argv[1] : "";
    const long iterations = argc > 2 ? std::atol(argv[2]) : 0;
    if (iterations <= 0) {
        std::fprintf(stderr, "usage: conversion_count KIND ITERATIONS\n");
        return 2;
    }
    if (kind == "Baseline") {
        Count(iterations, [] {
            std::string_view text = tolvane::bench::kInput;
            benchmark::DoNotOptimize(text);
            std::string digits = tolvane::bench::FromCharsAndFormat(text);
            benchmark::DoNotOptimize(digits);
        });
        return 0;
    }
    const tolvane::TariffState state = tolvane::bench::BenchState();
    for (const auto& known : tolvane::bench::kConversionKinds) {
        if (kind == known.name) {
            Count(iterations, [&] {
                std::string_view text = tolvane::bench::kInput;
                benchmark::DoNotOptimize(text);
                auto conversion = tolvane::Convert(known.direction, text, known.destination, state);
                benchmark::DoNotOptimize(conversion);
            });
            return 0;
        }
    }
    std::fprintf(stderr, "conversion_count: no kind %.*s\n", static_cast<int>(kind.size()),
                 kind.data());
    return 2;
}
