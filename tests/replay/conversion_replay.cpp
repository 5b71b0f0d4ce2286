// Records what the engine answers and compares it with the record committed beside this file.
// The record is made on Linux; the Windows build compares against the same record under Wine,
// which shows every answer to be the same there to the last bit.
//   conversion_replay CORPUS RECORD            compare; the first difference fails
//   conversion_replay CORPUS RECORD --write    make the record anew
// What is recorded: for every file of the conversion corpus (CORPUS), the number its text reads
// as, to the bit, and each conversion's result and sentence; then for every plan, time band,
// distance band, destination and direction, the results for a few typed numbers and a digest
// of 12,000 conversions more.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "convert_setting.h"
#include "runtime/val_of_text.h"
#include "tariff/conversion.h"

namespace {

using tolvane::TariffState;

constexpr const char* kDirectionNames[] = {"minutes", "yen"};
constexpr const char* kDestinationNames[] = {"general", "mobile"};

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The double's 64 bits in hexadecimal, or "fault" when reading it fails. The pattern, not a
// formatted value, so that every build spells it the same, the web's too, whose C++ library
// cannot write a double.
std::string Bits(std::string_view text) {
    try {
        const auto bits = __builtin_bit_cast(std::uint64_t, tolvane::ValOfText(text));
        char buffer[19];
        std::snprintf(buffer, sizeof buffer, "0x%016llx", static_cast<unsigned long long>(bits));
        return buffer;
    } catch (...) {
        return "fault";
    }
}

// The result and the sentence, its control bytes and backslashes written as \xHH, or "failed".
std::string Outcome(int direction, std::string_view input, int destination,
                    const TariffState& state) {
    try {
        const auto conversion =
            tolvane::Convert(direction == 0 ? tolvane::ConversionDirection::TimeToCharge
                                            : tolvane::ConversionDirection::ChargeToTime,
                             input,
                             destination == 0 ? tolvane::DestinationKind::HOrGeneral
                                              : tolvane::DestinationKind::Mobile,
                             state);
        std::string line = std::to_string(conversion.result) + " ";
        // Escaped only where needed: formatting every byte was most of the replay's time.
        for (const char c : conversion.sentence) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F || c == '\\') {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\x%02X", byte);
                line += escape;
            } else {
                line += c;
            }
        }
        return line;
    } catch (const tolvane::ConversionFailed&) {
        return "failed";
    }
}

void RecordCorpus(const std::filesystem::path& corpus, std::ostream& out) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string data = ReadFile(file);
        if (data.size() < tolvane::kSettingBytes) {
            continue;
        }
        const auto state = tolvane::SettingOf(reinterpret_cast<const std::uint8_t*>(data.data()));
        const std::string_view input = std::string_view(data).substr(tolvane::kSettingBytes);
        const std::string name = file.filename().string();
        out << name << " reads " << Bits(input) << "\n";
        for (int d = 0; d < 2; ++d) {
            for (int k = 0; k < 2; ++k) {
                out << name << " " << kDestinationNames[k] << " " << kDirectionNames[d] << ": "
                    << Outcome(d, input, k, state) << "\n";
            }
        }
    }
}

// Typed numbers where a step rounded differently would show: halves, long fractions, forms
// that are read only in part, and failures.
constexpr const char* kTyped[] = {"0",    "0.5",     "1",       "3",   "7.25",
                                  "12.5", "１２０",  "59.99",   "100", "1234.5678",
                                  "1e5",  "0.01375", "0.53625", "-1",  "3分"};

void RecordGrid(std::ostream& out) {
    TariffState state;
    // A table of its own, not the shipped one, whose rates may change: one band without a
    // valid rate, one negative.
    for (std::size_t i = 0; i < state.RateTable.size(); ++i) {
        const int n = static_cast<int>(i);
        state.RateTable[i] = static_cast<std::int16_t>(n == 5 ? 0 : n == 11 ? -30 : 20 + 11 * n);
    }
    for (std::int16_t plan = 0; plan < 4; ++plan) {
        state.ResetSelections();
        state.SelectPlan(plan);
        for (std::int16_t time = 0; time < tolvane::kTimeBandCount; ++time) {
            state.SelectTimeBand(time);
            for (std::int16_t distance = 0; distance < tolvane::kDistanceBandCount; ++distance) {
                state.SelectDistanceBand(distance);
                for (int k = 0; k < 2; ++k) {
                    for (int d = 0; d < 2; ++d) {
                        out << "plan " << plan << " time " << time << " distance " << distance
                            << " " << kDestinationNames[k] << " " << kDirectionNames[d] << ":";
                        for (const char* typed : kTyped) {
                            const std::string outcome = Outcome(d, typed, k, state);
                            out << " " << outcome.substr(0, outcome.find(' '));
                        }
                        // Three sweeps, each outcome in full, folded by FNV-1a: 0 to 499.875
                        // in eighths, to 39.99 in hundredths and to 4.99875 in eight-hundredths.
                        constexpr int kPer[] = {8, 100, 800}, kScale[] = {125, 1, 125},
                                      kDigits[] = {3, 2, 5};
                        std::uint64_t digest = 0xcbf29ce484222325u;
                        for (int n = 0; n < 12000; ++n) {
                            const int m = n % 4000, sweep = n / 4000;
                            char typed[16];
                            std::snprintf(typed, sizeof typed, "%d.%0*d", m / kPer[sweep],
                                          kDigits[sweep], m % kPer[sweep] * kScale[sweep]);
                            for (const char c : Outcome(d, typed, k, state) + "\n") {
                                digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
                            }
                        }
                        char hex[17];
                        std::snprintf(hex, sizeof hex, "%016llx",
                                      static_cast<unsigned long long>(digest));
                        out << " | " << hex << "\n";
                    }
                }
            }
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && args[2] != "--write")) {
        std::fprintf(stderr, "usage: conversion_replay CORPUS RECORD [--write]\n");
        return 2;
    }
    std::ostringstream record;
    RecordCorpus(args[0], record);
    RecordGrid(record);
    if (args.size() == 3) {
        std::ofstream(args[1], std::ios::binary) << record.str();
        return 0;
    }
    std::istringstream expected(ReadFile(args[1])), actual(record.str());
    std::string want, got;
    for (int line = 1;; ++line) {
        const bool recorded = static_cast<bool>(std::getline(expected, want));
        const bool now = static_cast<bool>(std::getline(actual, got));
        if (!recorded && !now) {
            std::printf("%d lines as recorded\n", line - 1);
            return 0;
        }
        if (recorded != now || want != got) {
            std::fprintf(stderr,
                         "line %d differs:\n  recorded: %s\n  now:      %s\nafter a deliberate "
                         "change, the Linux build's target conversion_record makes the record "
                         "anew\n",
                         line, recorded ? want.c_str() : "(end)", now ? got.c_str() : "(end)");
            return 1;
        }
    }
}
