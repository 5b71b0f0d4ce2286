#include "startup/start_up.h"

#include <filesystem>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/system_path.h"
#include "tariff/conversion.h"

namespace tolvane {
namespace {

// Each build's own separator: a folder gets one, a root keeps its one. A backslash is a
// character like any other in a POSIX name, and Windows takes '/' for '\'.
TEST(PrepareAtStartUp, AppDirEndsInOneSeparator) {
    using Case = std::pair<const char*, const char*>;
    const auto cases =
        kPathSeparator == '\\'
            ? std::vector<Case>{{"C:\\", "C:\\"},
                                {"C:\\Users\\山田\\ツール", "C:\\Users\\山田\\ツール\\"},
                                {"\\\\server\\share\\", "\\\\server\\share\\"},
                                {"C:\\tools/", "C:\\tools/\\"}}
            : std::vector<Case>{{"/", "/"},
                                {"/opt/tools", "/opt/tools/"},
                                {"/opt/ツール/", "/opt/ツール/"},
                                {"/opt/C:\\", "/opt/C:\\/"}};
    for (const auto& [programDir, appDir] : cases) {
        TariffState state;
        testing::MessageRecorder recorder;
        PrepareAtStartUp(state, recorder.AsShowMessage(), programDir);
        EXPECT_EQ(state.AppDir, appDir);
    }
}

TEST(PrepareAtStartUp, ReadsTheShippedTableThenResetsSelections) {
    testing::TempDir dir;
    const auto programDir = dir.path() / testing::PathOfUtf8("料金 データ");
    std::filesystem::create_directory(programDir);
    std::filesystem::copy_file(TOLVANE_SHIPPED_TABLE, programDir / "table.csv");
    TariffState state;
    state.SelectPlan(1);
    state.SelectTimeBand(3);
    state.SelectDistanceBand(5);
    testing::MessageRecorder recorder;
    PrepareAtStartUp(state, recorder.AsShowMessage(), testing::Utf8(programDir));

    EXPECT_TRUE(recorder.shown.empty());
    // A minute at the start-up selections: plan 0.9 and the first bands, whose unit the shipped
    // table sets to 240 seconds. Any other plan or band, or no table, gives another answer.
    EXPECT_EQ(
        Convert(ConversionDirection::TimeToCharge, "1", DestinationKind::HOrGeneral, state).result,
        11);
}

}  // namespace
}  // namespace tolvane
