#include "startup/start_up.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "tariff/conversion.h"

namespace tolvane {
namespace {

TEST(PrepareAtStartUp, AppDirEndsInOneSeparator) {
    for (const auto& [programDir, appDir] :
         {std::pair{"/", "/"}, {"/opt/tools", "/opt/tools/"}, {"/opt/ツール/", "/opt/ツール/"}}) {
        TariffState state;
        testing::MessageRecorder recorder;
        PrepareAtStartUp(state, recorder.AsShowMessage(), programDir);
        EXPECT_EQ(state.AppDir, appDir);
    }
}

TEST(PrepareAtStartUp, ReadsTheShippedTableThenResetsSelections) {
    testing::TempDir dir;
    const auto programDir = dir.path() / "料金 データ";
    std::filesystem::create_directory(programDir);
    std::filesystem::copy_file(TOLVANE_SHIPPED_TABLE, programDir / "table.csv");
    TariffState state;
    state.SelectPlan(1);
    state.SelectTimeBand(3);
    state.SelectDistanceBand(5);
    testing::MessageRecorder recorder;
    PrepareAtStartUp(state, recorder.AsShowMessage(), programDir.string());

    EXPECT_TRUE(recorder.shown.empty());
    // A minute at the start-up selections: plan 0.9 and the first bands, whose unit the shipped
    // table sets to 240 seconds. Any other plan or band, or no table, gives another answer.
    EXPECT_EQ(
        Convert(ConversionDirection::TimeToCharge, "1", DestinationKind::HOrGeneral, state).result,
        11);
}

}  // namespace
}  // namespace tolvane
