// The worked examples that the README and the manual page give, each computed again with the
// shipped table: a document whose figures the program no longer gives fails here.
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
#include "ratetable/rate_table_file.h"
#include "tariff/conversion.h"

namespace tolvane {
namespace {

using Row = std::vector<std::string>;

// The examples: the lines of a Markdown or tbl table (cells between '|' or tabs) of six cells,
// the fifth an amount typed ("3 minutes", "25 yen").
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

// The index of the one option whose caption begins with `name`; "any" is the first option.
template <std::size_t N>
std::int16_t OptionIndex(const std::array<std::string_view, N>& captions, std::string_view name) {
    int found = -1;
    for (std::size_t i = 0; i < N; ++i) {
        if (captions[i].starts_with(name)) {
            found = found == -1 ? static_cast<int>(i) : -2;
        }
    }
    EXPECT_TRUE(found >= 0 || name == "any") << name << " names no one option";
    return static_cast<std::int16_t>(found < 0 ? 0 : found);
}

constexpr std::array<std::string_view, 3> kPlans = {"スーパーパックＬ", "スーパーパックＳ",
                                                    "標準コース"};
constexpr std::array<std::string_view, 4> kTimeBands = {
    "深夜・早朝(23時～翌8時)", "夜間(19時～23時)", "昼間(8時～19時)", "昼間(土・日・祝)"};
constexpr std::array<std::string_view, 6> kDistanceBands = {
    "同一区域内", "隣接区域内・30km", "60kmまで", "100kmまで", "160kmまで", "160km超"};

TEST(DocumentedExamples, TheProgramGivesTheirAnswers) {
    TariffState shipped;
    shipped.AppDir = std::filesystem::path(TOLVANE_SHIPPED_TABLE).parent_path().string() + "/";
    testing::MessageRecorder recorder;
    LoadRateTable(shipped, recorder.AsShowMessage());
    ASSERT_TRUE(recorder.shown.empty());

    for (const char* document : {TOLVANE_README, TOLVANE_MANUAL_PAGE}) {
        const std::vector<Row> rows = ExampleRows(document);
        EXPECT_GE(rows.size(), 5u) << document;
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(document) + ": " + row[0] + " " + row[1] + " " + row[2] + " " +
                         row[3] + " " + row[4]);
            TariffState state = shipped;
            state.SelectPlan(OptionIndex(kPlans, row[0]));
            state.SelectTimeBand(OptionIndex(kTimeBands, row[1]));
            state.SelectDistanceBand(OptionIndex(kDistanceBands, row[2]));
            EXPECT_TRUE(row[3] == "一般電話" || row[3] == "携帯電話");
            // "3 minutes" or "3 min" in, so many yen out; "25 yen" in, so many minutes out.
            const bool toCharge = row[4].find(" min") != std::string::npos;
            const Conversion conversion = Convert(
                toCharge ? ConversionDirection::TimeToCharge : ConversionDirection::ChargeToTime,
                row[4].substr(0, row[4].find(' ')),
                row[3] == "携帯電話" ? DestinationKind::Mobile : DestinationKind::HOrGeneral,
                state);
            EXPECT_TRUE(row[5].starts_with(std::to_string(conversion.result) +
                                           (toCharge ? " yen" : " min")))
                << conversion.result;
        }
    }
}

}  // namespace
}  // namespace tolvane
