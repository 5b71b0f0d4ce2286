// The worked examples that the README and the manual page give, each computed again with the
// shipped table: a document whose figures the program no longer gives fails here.
#include <array>
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

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    const auto last = text.find_last_not_of(' ');
    return first == std::string_view::npos ? "" : std::string(text.substr(first, last - first + 1));
}

// The examples table: from the line whose first cell is "plan", each line of cells separated by
// `separator` (a Markdown table's '|', a tbl table's tab), up to the first line without one.
std::vector<Row> ExampleRows(const char* path, char separator) {
    std::ifstream file(path);
    std::vector<Row> rows;
    bool inTable = false;
    for (std::string line; std::getline(file, line);) {
        if (separator == '|') {
            if (line.find("---") != std::string::npos) {
                continue;
            }
            line = line.size() > 2 ? line.substr(1, line.size() - 2) : "";
        }
        Row cells;
        for (std::istringstream stream(line);
             std::getline(stream, cells.emplace_back(), separator);) {
            cells.back() = Trimmed(cells.back());
        }
        cells.pop_back();
        if (!cells.empty() && cells[0] == "plan") {
            inTable = true;
        } else if (inTable && cells.size() < 6) {
            break;
        } else if (inTable) {
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

    for (const auto& [document, separator] :
         {std::pair{TOLVANE_README, '|'}, std::pair{TOLVANE_MANUAL_PAGE, '\t'}}) {
        const std::vector<Row> rows = ExampleRows(document, separator);
        EXPECT_GE(rows.size(), 5u) << document;
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(document) + ": " + row[0] + " " + row[1] + " " + row[2] + " " +
                         row[3] + " " + row[4]);
            TariffState state = shipped;
            state.SelectPlan(OptionIndex(kPlans, row[0]));
            state.SelectTimeBand(OptionIndex(kTimeBands, row[1]));
            state.SelectDistanceBand(OptionIndex(kDistanceBands, row[2]));
            EXPECT_TRUE(row[3] == "一般電話" || row[3] == "携帯電話");
            const auto destination =
                row[3] == "携帯電話" ? DestinationKind::Mobile : DestinationKind::HOrGeneral;
            // "3 minutes" or "3 min" in, yen out; "25 yen" in, minutes out.
            const std::string typed = row[4].substr(0, row[4].find(' '));
            const bool toCharge = row[4].find(" min") != std::string::npos;
            const std::string answerUnit = toCharge ? " yen" : " min";
            EXPECT_NE(row[5].find(answerUnit), std::string::npos);
            const std::string answer = row[5].substr(0, row[5].find(' '));
            EXPECT_EQ(std::to_string(Convert(toCharge ? ConversionDirection::TimeToCharge
                                                      : ConversionDirection::ChargeToTime,
                                             typed, destination, state)
                                         .result),
                      answer);
        }
    }
}

}  // namespace
}  // namespace tolvane
