#include "ratetable/rate_table_file.h"

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <numeric>
#include <string>

#include <gtest/gtest.h>

#include "common/temp_dir.h"

namespace tolvane {
namespace {

using testing::MessageRecorder;
using testing::TempDir;
using Table = std::array<std::int16_t, kRateTableSize>;

Table OneToTwentyFour() {
    Table table{};
    std::iota(table.begin(), table.end(), std::int16_t{1});
    return table;
}

// The first `bands` time bands of 1..24, the rest 0: what a load that failed in band `bands`
// leaves behind.
Table FirstBands(int bands) {
    Table table = OneToTwentyFour();
    std::fill(table.begin() + bands * kDistanceBandCount, table.end(), std::int16_t{0});
    return table;
}

const std::string kGood = "1,2,3,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n19,20,21,22,23,24\n";

std::string OnePerLine(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += std::to_string(i) + "\n";
    }
    return text;
}

struct LoadResult {
    Table table;
    int messages;
};

LoadResult LoadFrom(const TempDir& dir) {
    TariffState state;
    state.AppDir = dir.AppDir();
    MessageRecorder recorder;
    LoadRateTable(state, recorder.AsShowMessage());
    for (const auto& [text, style] : recorder.shown) {
        EXPECT_EQ(text, kRateTableFileMessage);
        EXPECT_EQ(style, MessageStyle::Critical);
    }
    return {state.RateTable, static_cast<int>(recorder.shown.size())};
}

struct Case {
    const char* name;
    std::string content;
    Table table;
    int messages;
};

TEST(LoadRateTable, FileContents) {
    Table withZero = OneToTwentyFour();
    withZero[1] = 0;
    Table extremes = OneToTwentyFour();
    extremes[0] = -32768;
    extremes[23] = 32767;

    const Case cases[] = {
        {"four lines of six", kGood, OneToTwentyFour(), 0},
        {"one per line", OnePerLine(24), OneToTwentyFour(), 0},
        {"one line", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24",
         OneToTwentyFour(), 0},
        {"no final line end", kGood.substr(0, kGood.size() - 1), OneToTwentyFour(), 0},
        {"25 values and more", OnePerLine(25) + "junk,\"\n\x01", OneToTwentyFour(), 0},
        {"byte-order mark", "\xEF\xBB\xBF" + kGood, OneToTwentyFour(), 0},
        {"CRLF", "1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n13,14,15,16,17,18\r\n19,20,21,22,23,24\r\n",
         OneToTwentyFour(), 0},
        {"quotes",
         "\"1\",\"2\",\"3\",\"4\",\"5\",\"6\"\n7,8,9,10,11,12\n13,14,15,16,17,18\n"
         "19,20,21,22,23,\" 24 \"\n",
         OneToTwentyFour(), 0},
        {"blanks around fields",
         " 1 ,\t2,3 ,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n19,20,21,22,23, 24\t\n",
         OneToTwentyFour(), 0},
        {"blank lines between rows",
         "\n1,2,3,4,5,6\n\n  \n7,8,9,10,11,12\r\n\r\n13,14,15,16,17,18\n19,20,21,22,23,24\n",
         OneToTwentyFour(), 0},
        {"empty field", "1,,3,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n19,20,21,22,23,24\n",
         withZero, 0},
        {"empty quoted field",
         "1,\"\",3,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n19,20,21,22,23,24\n", withZero, 0},
        {"16-bit extremes and signs",
         "-32768,+2,3,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n19,20,21,22,23,32767\n", extremes,
         0},
        {"23 values", OnePerLine(23), FirstBands(3), 1},
        {"23 values and a comma", OnePerLine(22) + "23,", FirstBands(3), 1},
        {"40000 in line 2", "1,2,3,4,5,6\n7,40000,9,10,11,12\n13,14,15,16,17,18\n", FirstBands(1),
         1},
        {"32768", "1,2,3,4,5,6\n7,8,9,10,11,32768\n", FirstBands(1), 1},
        {"-32769", "1,2,3,4,5,6\n7,8,9,10,11,12\n-32769\n", FirstBands(2), 1},
        {"a word", "1,2,3,4,5,6\n7,8,nine,10,11,12\n", FirstBands(1), 1},
        {"a fraction", "1,2,3,4,5,6\n7,8,9,10,11,12\n13,14,15.5,16,17,18\n", FirstBands(2), 1},
        {"an exponent", "1e3,2,3,4,5,6\n", FirstBands(0), 1},
        {"two numbers in a field", "1 2,3,4,5,6,7\n", FirstBands(0), 1},
        {"a lone sign", "1,2,3,4,5,6\n-,8,9,10,11,12\n", FirstBands(1), 1},
        {"unclosed quote", "1,2,3,4,5,6\n\"7,8,9,10,11,12\n", FirstBands(1), 1},
        {"text after a quote", "\"1\"x,2,3,4,5,6\n", FirstBands(0), 1},
        {"partial byte-order mark", "\xEF\xBB" + kGood, FirstBands(0), 1},
        {"empty file", "", FirstBands(0), 1},
        {"only line ends", "\n\r\n\n", FirstBands(0), 1},
        {"binary garbage", std::string("\x00\xFF\x7F\x80,\x01\x02", 7) + kGood, FirstBands(0), 1},
        {"megabytes on one line without a comma", std::string(4 << 20, ' ') + "1", FirstBands(0),
         1},
        {"megabytes of digits", std::string(4 << 20, '7'), FirstBands(0), 1},
        {"megabytes inside quotes", "\"" + std::string(4 << 20, ' '), FirstBands(0), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        dir.Write("table.csv", c.content);
        const LoadResult loaded = LoadFrom(dir);
        EXPECT_EQ(loaded.table, c.table);
        EXPECT_EQ(loaded.messages, c.messages);
    }
}

TEST(LoadRateTable, WhatIsNotAReadableFileGivesOneMessageAndAnEmptyTable) {
    {
        SCOPED_TRACE("no file");
        TempDir dir;
        EXPECT_EQ(LoadFrom(dir).messages, 1);
        EXPECT_EQ(LoadFrom(dir).table, FirstBands(0));
    }
    {
        SCOPED_TRACE("a directory named table.csv");
        TempDir dir;
        std::filesystem::create_directory(dir.path() / "table.csv");
        EXPECT_EQ(LoadFrom(dir).messages, 1);
    }
    {
        SCOPED_TRACE("a FIFO with no writer must not block");
        TempDir dir;
        ASSERT_EQ(::mkfifo((dir.path() / "table.csv").c_str(), 0600), 0);
        EXPECT_EQ(LoadFrom(dir).messages, 1);
    }
    {
        SCOPED_TRACE("a link to a device");
        TempDir dir;
        std::filesystem::create_symlink("/dev/zero", dir.path() / "table.csv");
        EXPECT_EQ(LoadFrom(dir).messages, 1);
    }
    {
        SCOPED_TRACE("a dangling link");
        TempDir dir;
        std::filesystem::create_symlink(dir.path() / "elsewhere.csv", dir.path() / "table.csv");
        EXPECT_EQ(LoadFrom(dir).messages, 1);
    }
}

TEST(LoadRateTable, UnreadableFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file regardless of its permissions";
    }
    TempDir dir;
    dir.Write("table.csv", kGood);
    std::filesystem::permissions(dir.path() / "table.csv", std::filesystem::perms::none);
    EXPECT_EQ(LoadFrom(dir).messages, 1);
    EXPECT_EQ(LoadFrom(dir).table, FirstBands(0));
}

TEST(LoadRateTable, AHugeFileWithGoodValuesFirstLoadsAtOnce) {
    TempDir dir;
    dir.Write("table.csv", kGood);
    // A sparse 8 GiB tail: reading the whole file, let alone holding it, would show at once.
    std::filesystem::resize_file(dir.path() / "table.csv", std::uintmax_t{8} << 30);
    const auto start = std::chrono::steady_clock::now();
    const LoadResult loaded = LoadFrom(dir);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(loaded.messages, 0);
    EXPECT_EQ(loaded.table, OneToTwentyFour());
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(LoadRateTable, ClosesTheFileOnEveryPath) {
    const auto openDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator{});
    };
    TempDir good, bad;
    good.Write("table.csv", kGood);
    bad.Write("table.csv", "1,2,x");
    const auto before = openDescriptors();
    LoadFrom(good);
    LoadFrom(bad);
    EXPECT_EQ(openDescriptors(), before);
}

}  // namespace
}  // namespace tolvane
