#include "ratetable/rate_table_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "common/temp_dir.h"

namespace tolvane {
namespace {

using testing::TempDir;
using Table = std::array<std::int16_t, kRateTableSize>;

// 1..24 in its first `bands` time bands, 0 after: what a load failing in band `bands` leaves.
Table FirstBands(int bands) {
    Table table{};
    std::iota(table.begin(), table.begin() + bands * kDistanceBandCount, std::int16_t{1});
    return table;
}

std::string Lines(const char* end = "\n") {
    std::string text;
    for (int i = 1; i <= 24; ++i) {
        text += std::to_string(i) + (i % 6 == 0 ? end : ",");
    }
    return text;
}

// The table loaded from `dir`, and the number of (correct) messages shown.
std::pair<Table, int> LoadFrom(const TempDir& dir) {
    TariffState state;
    state.AppDir = dir.path().string() + "/";
    testing::MessageRecorder recorder;
    LoadRateTable(state, recorder.AsShowMessage());
    for (const auto& [text, style] : recorder.shown) {
        EXPECT_EQ(text, kRateTableFileMessage);
        EXPECT_EQ(style, MessageStyle::Critical);
    }
    return {state.RateTable, static_cast<int>(recorder.shown.size())};
}

TEST(LoadRateTable, FileContents) {
    Table withZero = FirstBands(4);
    withZero[1] = 0;
    Table extremes = FirstBands(4);
    extremes[0] = -32768;
    extremes[23] = 32767;
    std::string onePerLine;
    for (int i = 1; i <= 25; ++i) {
        onePerLine += std::to_string(i) + "\n";
    }
    const std::string mega(4 << 20, ' ');
    struct Case {
        const char* name;
        std::string content;
        Table table;
        int messages = 1;
    };
    const Case cases[] = {
        {"four lines of six", Lines(), FirstBands(4), 0},
        {"CRLF, no final line end", Lines("\r\n").substr(0, Lines("\r\n").size() - 2),
         FirstBands(4), 0},
        {"one line", Lines(","), FirstBands(4), 0},
        {"one per line, 25 values", onePerLine, FirstBands(4), 0},
        {"byte-order mark and junk after", "\xEF\xBB\xBF" + Lines() + "x,\"\n\x01", FirstBands(4),
         0},
        {"quotes, blanks, blank lines", "\"1\", 2 ,\t3,\" 4 \",5,6\n\n  \r\n" + Lines().substr(12),
         FirstBands(4), 0},
        {"empty field", "1,,3,4,5,6\n" + Lines().substr(12), withZero, 0},
        {"extremes", "-32768" + Lines().substr(1, Lines().size() - 4) + "32767\n", extremes, 0},
        {"23 values", onePerLine.substr(0, onePerLine.find("24\n")), FirstBands(3)},
        {"23 values and a comma", Lines().substr(0, Lines().find("24")), FirstBands(3)},
        {"40000 in line 2", "1,2,3,4,5,6\n7,40000,9,10,11,12\n", FirstBands(1)},
        {"-32769", Lines().substr(0, 36) + "-32769", FirstBands(2)},
        {"a word", "1,2,3,4,5,6\n7,8,nine,10,11,12\n", FirstBands(1)},
        {"a fraction", "1.5,2,3,4,5,6\n", FirstBands(0)},
        {"an exponent", "1e3,2,3,4,5,6\n", FirstBands(0)},
        {"two numbers in a field", "1 2,3,4,5,6,7\n", FirstBands(0)},
        {"unclosed quote", "1,2,3,4,5,6\n\"7,8,9,10,11,12\n", FirstBands(1)},
        {"partial byte-order mark", "\xEF\xBB" + Lines(), FirstBands(0)},
        {"empty file", "", FirstBands(0)},
        {"binary garbage", std::string("\x00\xFF\x7F,\x01", 5) + Lines(), FirstBands(0)},
        {"megabytes of blanks without a comma", mega + "1", FirstBands(0)},
        {"megabytes inside quotes", "\"" + mega, FirstBands(0)},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.Write("table.csv", c.content);
        const auto [table, messages] = LoadFrom(dir);
        EXPECT_EQ(table, c.table) << c.name;
        EXPECT_EQ(messages, c.messages) << c.name;
    }
}

TEST(LoadRateTable, WhatIsNotAReadableFileGivesOneMessageAndNeverBlocks) {
    const auto make = [](const char* what, const std::filesystem::path& file) {
        if (what == std::string("directory")) {
            std::filesystem::create_directory(file);
        } else if (what == std::string("FIFO")) {
            ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        } else if (what == std::string("device")) {
            std::filesystem::create_symlink("/dev/zero", file);
        } else if (what == std::string("unreadable") && ::geteuid() != 0) {  // root reads all
            std::ofstream(file) << "1\n";
            std::filesystem::permissions(file, std::filesystem::perms::none);
        }
    };
    for (const char* what : {"nothing", "directory", "FIFO", "device", "unreadable"}) {
        TempDir dir;
        make(what, dir.path() / "table.csv");
        EXPECT_EQ(LoadFrom(dir), std::make_pair(FirstBands(0), 1)) << what;
    }
}

TEST(LoadRateTable, ReadsOnlyWhatItNeedsAndClosesTheFile) {
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator{});
    };
    const auto before = openFiles();
    TempDir dir;
    dir.Write("table.csv", Lines());
    // A sparse 8 GiB tail: reading the whole file, let alone holding it, would show.
    std::filesystem::resize_file(dir.path() / "table.csv", std::uintmax_t{8} << 30);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadFrom(dir), std::make_pair(FirstBands(4), 0));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    dir.Write("table.csv", "1,x");
    EXPECT_EQ(LoadFrom(dir).second, 1);
    EXPECT_EQ(openFiles(), before);
}

}  // namespace
}  // namespace tolvane
