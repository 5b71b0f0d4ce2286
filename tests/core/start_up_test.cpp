#include "tariff/start_up.h"

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
    std::ifstream in(TOLVANE_SHIPPED_TABLE, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(ProgramDir, IsTheDirectoryOfTheRealExecutable) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "lib" / "ツール 箱");
    std::filesystem::create_directories(dir.path() / "bin");
    const auto real = dir.path() / "lib" / "ツール 箱" / "tolvane";
    dir.Write(real, "");
    std::filesystem::create_symlink("../lib/ツール 箱/tolvane", dir.path() / "bin" / "tolvane");

    const std::string realDir = std::filesystem::canonical(real.parent_path()).string();
    EXPECT_EQ(ProgramDirOf(real), realDir);
    EXPECT_EQ(ProgramDirOf(dir.path() / "bin" / "tolvane"), realDir);
    EXPECT_EQ(ProgramDirOf("/tolvane"), "/");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ProgramDir()) / "core_tests"));
}

TEST(LastChar, IsAWholeUtf8Character) {
    EXPECT_EQ(LastChar(""), "");
    EXPECT_EQ(LastChar("/"), "/");
    EXPECT_EQ(LastChar("/opt/tools"), "s");
    EXPECT_EQ(LastChar("/opt/ツール"), "ル");
}

TEST(PrepareAtStartUp, AppDirEndsInOneSeparator) {
    struct Case {
        const char* programDir;
        const char* appDir;
    };
    for (const auto c : {Case{"/", "/"}, Case{"/opt/tools", "/opt/tools/"},
                         Case{"/opt/tools/", "/opt/tools/"}, Case{"/opt/ツール", "/opt/ツール/"}}) {
        TariffState state;
        MessageRecorder recorder;
        PrepareAtStartUp(state, recorder.AsShowMessage(), c.programDir);
        EXPECT_EQ(state.AppDir, c.appDir);
    }
}

TEST(PrepareAtStartUp, ReadsTheTableBesideTheProgramThenResetsSelections) {
    TempDir dir;
    const auto programDir = dir.path() / "料金 データ";
    std::filesystem::create_directory(programDir);
    std::ofstream(programDir / "table.csv") << ShippedTable();

    TariffState state;
    state.SelectPlan(1);
    state.SelectTimeBand(3);
    state.SelectDistanceBand(5);
    MessageRecorder recorder;
    PrepareAtStartUp(state, recorder.AsShowMessage(), programDir.string());

    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state.PlanFactor), 0x3F666666u);
    EXPECT_EQ(state.TimeBand, 0);
    EXPECT_EQ(state.DistanceBand, 0);
    EXPECT_GT(state.UnitSeconds(), 0);
    // The first conversion with the untouched "0" in the minutes box costs one unit.
    EXPECT_EQ(
        Convert(ConversionDirection::TimeToCharge, "0", DestinationKind::HOrGeneral, state).result,
        9);
}

TEST(PrepareAtStartUp, WithoutATableShowsTheMessageAndStillResets) {
    TempDir dir;
    TariffState state;
    MessageRecorder recorder;
    PrepareAtStartUp(state, recorder.AsShowMessage(), dir.path().string());

    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].first, kRateTableFileMessage);
    EXPECT_EQ(recorder.shown[0].second, MessageStyle::Critical);
    EXPECT_EQ(std::bit_cast<std::uint32_t>(state.PlanFactor), 0x3F666666u);
    EXPECT_EQ(state.RateTable, (std::array<std::int16_t, kRateTableSize>{}));
}

// What the shipped table says must be plausible tariff data: units grow shorter with distance
// and towards the daytime, and the holiday rate lies between the evening and daytime rates.
TEST(ShippedTable, IsPlausibleTariffData) {
    TempDir dir;
    dir.Write("table.csv", ShippedTable());
    TariffState state;
    state.AppDir = dir.AppDir();
    MessageRecorder recorder;
    LoadRateTable(state, recorder.AsShowMessage());
    ASSERT_TRUE(recorder.shown.empty());

    const auto at = [&](int distance, TimeBandIndex band) {
        return state.RateTable[RateTablePosition(static_cast<std::int16_t>(distance),
                                                 static_cast<std::int16_t>(band))];
    };
    using enum TimeBandIndex;
    for (int d = 0; d < kDistanceBandCount; ++d) {
        SCOPED_TRACE(d);
        for (const auto band : {LateNight, Evening, Daytime, HolidayDaytime}) {
            EXPECT_GT(at(d, band), 0);
            if (d > 0) {
                EXPECT_LE(at(d, band), at(d - 1, band));
            }
        }
        EXPECT_GE(at(d, LateNight), at(d, Evening));
        EXPECT_GE(at(d, Evening), at(d, Daytime));
        EXPECT_LE(at(d, HolidayDaytime), at(d, Evening));
        EXPECT_GE(at(d, HolidayDaytime), at(d, Daytime));
    }
}

}  // namespace
}  // namespace tolvane
