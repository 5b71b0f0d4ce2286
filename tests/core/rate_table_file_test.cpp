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
        Table table;
        bool message;
    };
    const std::string last = Values(24).substr(0, Values(24).size() - 1);  // no final LF
    for (const auto& c :
         {Case{Values(24), FirstBands(4), false},
          // Nothing is read after the line end or comma that closes the 24th value...
          Case{"\xEF\xBB\xBF" + Values(24) + "x,\"\n\x01", FirstBands(4), false},
          Case{last + ",x", FirstBands(4), false}, Case{last, FirstBands(4), false},
          // ... but the 24th value must be a whole number up to there.
          Case{last + " x", FirstBands(3), true},
          // A comma ending a line opens an empty field, a 0 that shifts every later value on.
          Case{"1,2,3,4,5,6,\n" + Values(24).substr(12),
               Table{1,  2,  3,  4,  5,  6,  0,  7,  8,  9,  10, 11,
                     12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23},
               false},
          Case{Values(23), FirstBands(3), true}, Case{Values(6) + "7,8,nine", FirstBands(1), true},
          Case{std::nullopt, FirstBands(0), true}}) {
        SCOPED_TRACE(c.content.value_or("(no file)"));
        testing::TempDir dir;
        if (c.content) {
            dir.Write("table.csv", *c.content);
        }
        TariffState state;
        state.AppDir = testing::Utf8(dir.path()) + kPathSeparator;
        testing::MessageRecorder recorder;
        LoadRateTable(state, recorder.AsShowMessage());
        EXPECT_EQ(state.RateTable, c.table);
        if (!c.message) {
            EXPECT_TRUE(recorder.shown.empty());
        } else {
            EXPECT_EQ(recorder.shown, (decltype(recorder.shown){{std::string(kRateTableFileMessage),
                                                                 MessageStyle::Critical}}));
        }
    }
}

}  // namespace
}  // namespace tolvane
