// The worked examples that the READMEs and the manual pages, English and Japanese, give, each
// computed again with the shipped table: a document whose figures the program no longer gives
// fails here.
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "form/form_layout.h"
#include "ratetable/rate_table_file.h"
#include "tariff/conversion.h"

namespace tolvane {
namespace {

using Row = std::vector<std::string>;

// The examples: the lines of a Markdown or tbl table (cells between '|' or tabs) of six cells,
// the fifth an amount typed ("3 minutes", "25 yen", "3分", "25円").
std::vector<Row> ExampleRows(const char* path) {
    std::ifstream file(path);
    std::vector<Row> rows;
    for (std::string line; std::getline(file, line);) {
        std::replace(line.begin(), line.end(), '\t', '|');
        Row cells;
        std::istringstream stream(line);
        for (std::string cell; std::getline(stream, cell, '|');) {
            if (const auto first = cell.find_first_not_of(' '); first != std::string::npos) {
                cells.push_back(cell.substr(first, cell.find_last_not_of(' ') - first + 1));
            }
        }
        if (cells.size() == 6 && std::isdigit(static_cast<unsigned char>(cells[4][0]))) {
            rows.push_back(cells);
        }
    }
    return rows;
}

// The index of the one option whose caption begins with `name`; "any" (任意) is the first option.
template <std::size_t N>
std::int16_t OptionIndex(const std::array<TwipPlacement, N>& options, const std::string& name) {
    const auto named = [&](const TwipPlacement& option) {
        return std::string_view(option.caption).starts_with(name);
    };
    EXPECT_TRUE(name == "any" || name == "任意" ||
                std::count_if(options.begin(), options.end(), named) == 1)
        << name << " names no one option";
    // None found is N: the first option.
    const auto found = std::find_if(options.begin(), options.end(), named) - options.begin();
    return static_cast<std::int16_t>(static_cast<std::size_t>(found) % N);
}

TEST(DocumentedExamples, TheProgramGivesTheirAnswers) {
    TariffState shipped;
    shipped.AppDir = std::filesystem::path(TOLVANE_SHIPPED_TABLE).parent_path().string() + "/";
    testing::MessageRecorder recorder;
    LoadRateTable(shipped, recorder.AsShowMessage());
    ASSERT_TRUE(recorder.shown.empty());

    for (const char* document : {TOLVANE_README, TOLVANE_MANUAL_PAGE, TOLVANE_JAPANESE_README,
                                 TOLVANE_JAPANESE_MANUAL_PAGE}) {
        const std::vector<Row> rows = ExampleRows(document);
        EXPECT_GE(rows.size(), 5u) << document;
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(document) + ": " + row[0] + " " + row[1] + " " + row[2] + " " +
                         row[3] + " " + row[4]);
            TariffState state = shipped;
            state.SelectPlan(OptionIndex(kWindowLayout.Option1, row[0]));
            state.SelectTimeBand(OptionIndex(kWindowLayout.Option3, row[1]));
            state.SelectDistanceBand(OptionIndex(kWindowLayout.Option4, row[2]));
            EXPECT_TRUE(row[3] == "一般電話" || row[3] == "携帯電話");
            // "3 minutes", "3 min" or "3分" in, so many yen out; "25 yen" or "25円" in, so
            // many minutes out.
            const std::string typed = row[4].substr(0, row[4].find_first_not_of("0123456789"));
            const std::string unit = row[4].substr(typed.size());
            const bool toCharge = unit.starts_with(" min") || unit == "分";
            const Conversion conversion = Convert(
                toCharge ? ConversionDirection::TimeToCharge : ConversionDirection::ChargeToTime,
                typed, row[3] == "携帯電話" ? DestinationKind::Mobile : DestinationKind::HOrGeneral,
                state);
            const std::string answer = std::to_string(conversion.result);
            EXPECT_TRUE(row[5].starts_with(answer + (toCharge ? " yen" : " min")) ||
                        row[5] == answer + (toCharge ? "円" : "分"))
                << conversion.result;
        }
    }
}

}  // namespace
}  // namespace tolvane
