#pragma once

// Inputs whose answer depends on every conversion step being rounded to a double. Evaluated
// with x87's wider intermediates (a 64-bit significand, rounded whole from that) or with g++'s
// fused multiply-adds (what -ffp-contract=fast makes of the conversions on x86-64), they give
// another whole number. The test suite pins some (tests/core/precision_trap_test.cpp); after a
// change of rates or of a formula, build/tools/precision_traps lists them again to re-pin.
// Compiled, like the tariff layer, with -ffp-contract=off, so that only fma() fuses.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>

#include "runtime/val_of_text.h"
#include "tariff/conversion.h"

namespace tolvane::traps {

enum class Arithmetic { Wider, Fused };

struct Setting {
    ConversionDirection direction;
    DestinationKind destination;
    PlanIndex plan;
    std::int16_t unitSeconds;  // for ordinary telephones
};

// The program's answer.
inline std::int32_t Program(const Setting& s, const std::string& input) {
    TariffState state;
    state.SelectPlan(static_cast<std::int16_t>(s.plan));
    state.RateTable[RateTablePosition(0, 0)] = s.unitSeconds;
    return Convert(s.direction, input, s.destination, state).result;
}

// The conversion's steps in T, each rounded to T. Fused: the two multiply-adds that g++
// contracts in the time-to-charge formulas (one vfmadd each, seen in its x86-64 output) done as
// one fma; the other direction has none whose result could differ, as factor x 10 is exact.
template <typename T>
T Steps(const Setting& s, T v, bool fused) {
    const T f = static_cast<T>(PlanFactorOf(s.plan)), t = s.unitSeconds;
    if (s.direction == ConversionDirection::TimeToCharge) {
        if (s.destination == DestinationKind::Mobile) {
            const T x = v * T{60} / T{16.5};
            return fused ? std::fma(x, T{10}, T{10}) : x * T{10} + T{10};
        }
        const T a = v * T{60} / t * T{10};
        const T b = f * T{10};
        return fused ? std::fma(a, f, b) : a * f + b;
    }
    if (s.destination == DestinationKind::Mobile) {
        return (v - T{10}) / T{10} * T{16.5} / T{60};
    }
    const T b = f * T{10};
    return (v - b) / b * t / T{60};
}

// The answer in the other arithmetic, rounded half to even from its own last step.
inline double Answer(const Setting& s, double v, Arithmetic other) {
    return other == Arithmetic::Wider
               ? static_cast<double>(std::nearbyint(Steps<long double>(s, v, false)))
               : std::nearbyint(Steps<double>(s, v, true));
}

inline constexpr Setting kMobileMinutes{ConversionDirection::TimeToCharge, DestinationKind::Mobile,
                                        PlanIndex::StandardPlan, 0};
inline constexpr Setting kSuperLMinutes{ConversionDirection::TimeToCharge,
                                        DestinationKind::HOrGeneral, PlanIndex::SuperPackL, 60};
inline constexpr Setting kSuperSMinutes{ConversionDirection::TimeToCharge,
                                        DestinationKind::HOrGeneral, PlanIndex::SuperPackS, 60};
inline constexpr Setting kMobileYen{ConversionDirection::ChargeToTime, DestinationKind::Mobile,
                                    PlanIndex::StandardPlan, 0};
inline constexpr Setting kSuperSYen{ConversionDirection::ChargeToTime, DestinationKind::HOrGeneral,
                                    PlanIndex::SuperPackS, 45};

// The fewest significant digits that the program reads back as v, as a user would type them.
// Through printf, not std::to_chars: the web's C++ library cannot write a double.
inline std::string ShortestText(double v) {
    char text[32];
    for (int digits = 1;; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, v);
        if (digits == 17 || ValOfText(text) == v) {
            return text;
        }
    }
}

// The inputs where the program's answer and another arithmetic's differ, "input program other"
// a line, in increasing order. They lie where the double answer is within rounding of a half:
// for each of the first `halves` halves, the doubles a few steps either side of the input that
// would give it exactly, and the nearest decimals of five places. (An answer is linear in the
// input, so the input for any answer follows from two answers.)
inline std::string Search(const Setting& s, Arithmetic other, int halves) {
    const double at0 = Steps<double>(s, 0.0, false);
    const double slope = Steps<double>(s, 1.0, false) - at0;
    std::set<double> candidates;
    for (int n = 0; n < halves; ++n) {
        const double v = (n + 0.5 - at0) / slope;
        if (v <= 0) {
            continue;
        }
        for (int k = -2; k <= 2; ++k) {
            candidates.insert(std::round(v * 1e5) / 1e5 + k * 1e-5);
        }
        double near = v;
        for (int k = 0; k < 8; ++k) {
            near = std::nextafter(near, 0.0);
        }
        for (int k = -8; k <= 8; ++k, near = std::nextafter(near, 2 * v)) {
            candidates.insert(near);
        }
    }
    std::string found;
    for (const double candidate : candidates) {
        if (candidate <= 0) {
            continue;
        }
        const std::string text = ShortestText(candidate);
        const std::int32_t program = Program(s, text);
        const auto answer = static_cast<std::int64_t>(Answer(s, candidate, other));
        if (answer != program) {
            found += text + ' ' + std::to_string(program) + ' ' + std::to_string(answer) + '\n';
        }
    }
    return found;
}

}  // namespace tolvane::traps
