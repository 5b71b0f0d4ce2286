#include "startup/start_up.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "ratetable/rate_table_file.h"
#include "runtime/program_dir.h"
#include "tariff/conversion.h"

namespace tolvane {
namespace {

using testing::MessageRecorder;
using testing::TempDir;

std::string ShippedTable() {
    std::ostringstream content;
    content << std::ifstream(TOLVANE_SHIPPED_TABLE).rdbuf();
    return content.str();
}

TEST(ProgramDir, IsTheDirectoryOfTheRealExecutableThroughLinks) {
    TempDir dir;
    const auto real = dir.path() / "lib" / "ツール 箱" / "tolvane";
    std::filesystem::create_directories(real.parent_path());
    std::filesystem::create_directories(dir.path() / "bin");
    dir.Write(real, "");
    std::filesystem::create_symlink("../lib/ツール 箱/tolvane", dir.path() / "bin" / "tolvane");

    EXPECT_EQ(ProgramDirOf(dir.path() / "bin" / "tolvane"),
              std::filesystem::canonical(real.parent_path()).string());
    EXPECT_EQ(ProgramDirOf("/tolvane"), "/");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ProgramDir()) / "core_tests"));
}

TEST(PrepareAtStartUp, AppDirEndsInOneSeparator) {
    for (const auto& [programDir, appDir] :
         {std::pair{"/", "/"}, {"/opt/tools", "/opt/tools/"}, {"/opt/ツール/", "/opt/ツール/"}}) {
        TariffState state;
        MessageRecorder recorder;
        PrepareAtStartUp(state, recorder.AsShowMessage(), programDir);
        EXPECT_EQ(state.AppDir, appDir);
    }
}

TEST(PrepareAtStartUp, ReadsTheShippedTableThenResetsSelections) {
    TempDir dir;
    const auto programDir = dir.path() / "料金 データ";
    std::filesystem::create_directory(programDir);
    std::ofstream(programDir / "table.csv") << ShippedTable();
    TariffState state;
    state.SelectPlan(1);
    state.SelectTimeBand(3);
    MessageRecorder recorder;
    PrepareAtStartUp(state, recorder.AsShowMessage(), programDir.string());

    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state.PlanFactor), 0x3F666666u);
    EXPECT_EQ(state.TimeBand, 0);
    // The untouched "0" in the minutes box costs one unit at the start-up plan.
    EXPECT_EQ(
        Convert(ConversionDirection::TimeToCharge, "0", DestinationKind::HOrGeneral, state).result,
        9);

    // Plausible tariff data: units shorten with distance and towards the daytime; the holiday
    // daytime rate lies between the evening and the daytime rates.
    const auto unit = [&](int d, int band) {
        return state.RateTable[RateTablePosition(static_cast<std::int16_t>(d),
                                                 static_cast<std::int16_t>(band))];
    };
    for (int d = 0; d < kDistanceBandCount; ++d) {
        EXPECT_GT(unit(d, 2), 0);
        EXPECT_TRUE(unit(d, 0) >= unit(d, 1) && unit(d, 1) >= unit(d, 3) &&
                    unit(d, 3) >= unit(d, 2));
        for (int band = 0; d > 0 && band < kTimeBandCount; ++band) {
            EXPECT_LE(unit(d, band), unit(d - 1, band));
        }
    }
}

}  // namespace
}  // namespace tolvane
