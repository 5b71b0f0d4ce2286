#include "ratetable/rate_table_file.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/system_path.h"

namespace tolvane {
namespace {

using Table = std::array<std::int16_t, kRateTableSize>;

// 1..24 in its first `bands` time bands, 0 after: what a load failing in band `bands` leaves.
Table FirstBands(int bands) {
    Table table{};
    std::iota(table.begin(), table.begin() + bands * kDistanceBandCount, std::int16_t{1});
    return table;
}

// 1..count, six to a line.
std::string Values(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += std::to_string(i) + (i % 6 == 0 ? "\n" : ",");
    }
    return text;
}

TEST(LoadRateTable, StoresEachTimeBandReadInFullAndShowsOneCriticalMessageOnFailure) {
    struct Case {
        std::optional<std::string> content;  // none: there is no table.csv
        int bands;
    };
    for (const auto& c : {Case{Values(24), 4}, Case{"\xEF\xBB\xBF" + Values(24) + "x,\"\n\x01", 4},
                          Case{Values(23), 3}, Case{Values(6) + "7,8,nine", 1},
                          Case{Values(6) + "7,40000", 1}, Case{"", 0}, Case{std::nullopt, 0}}) {
        testing::TempDir dir;
        if (c.content) {
            dir.Write("table.csv", *c.content);
        }
        TariffState state;
        state.AppDir = testing::Utf8(dir.path()) + kPathSeparator;
        testing::MessageRecorder recorder;
        LoadRateTable(state, recorder.AsShowMessage());
        EXPECT_EQ(state.RateTable, FirstBands(c.bands)) << c.bands;
        if (c.bands == 4) {
            EXPECT_TRUE(recorder.shown.empty());
        } else {
            EXPECT_EQ(recorder.shown, (decltype(recorder.shown){{std::string(kRateTableFileMessage),
                                                                 MessageStyle::Critical}}));
        }
    }
}

}  // namespace
}  // namespace tolvane
