// The table file reader: OpenForInput and InputIntegers.
#include "runtime/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/input_integers.h"
#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

using testing::TempDir;
using Values = std::vector<std::int16_t>;

// The first `count` values of a file that holds `content`.
Values Read(const std::string& content, std::size_t count) {
    const TempDir dir;
    dir.Write("table.csv", content);
    InputFile file = OpenForInput((dir.path() / "table.csv").string());
    Values values(count);
    InputIntegers(file, values);
    return values;
}

TEST(InputIntegers, ReadsFieldsAsTheTableFileWritesThem) {
    using C = std::pair<std::string, Values>;
    // Line ends LF, CR or CRLF; blank lines skipped; an empty field, even one that a line end
    // closes, is 0; blanks and quotes around a value; a byte-order mark passed over.
    for (const auto& [content, values] :
         {C{"1,2\n3\n", {1, 2, 3}}, C{"1,2\r\n3\r\n4", {1, 2, 3, 4}}, C{"1\r2\r3", {1, 2, 3}},
          C{"\n\r\n 1\n\n\t\n2", {1, 2}}, C{"1,2,x", {1, 2}}, C{"5,,7", {5, 0, 7}},
          C{"5,\n7", {5, 0, 7}}, C{"5,\r\n7", {5, 0, 7}}, C{" \" 4 \" ,\t\"-5\"\t", {4, -5}},
          C{"+5,-5,-0,00012", {5, -5, 0, 12}}, C{"32767,-32768", {32767, -32768}},
          C{"\xEF\xBB\xBF 7", {7}}}) {
        EXPECT_EQ(Read(content, values.size()), values) << content;
    }
    // Out of range, a sign alone, an open quote, no whole number, no field at all, a partial
    // byte-order mark: each fails the first field, except where the comma is last.
    for (const auto& content :
         {"32768", "-32769", "-", "+,1", "\"7\n\n", "\"7,", "\"7", "\"7\"8", "1.5", "1e3", "1 2",
          "nine", "5\x01", "", "\n\r\n", "\xEF\xBB 7", "\xEF"}) {
        EXPECT_THROW(Read(content, 1), RuntimeFailure) << content;
    }
    EXPECT_THROW(Read(std::string("5\0", 2), 1), RuntimeFailure);
    EXPECT_THROW(Read("5,", 2), RuntimeFailure);
}

// Whatever could hand over a table but is no regular file, and a regular file whose read fails.
TEST(OpenForInput, RefusesAllButARegularFileAndNeverBlocks) {
    for (const std::string what : {"nothing", "directory", "FIFO", "device", "read error"}) {
        TempDir dir;
        const auto path = dir.path() / "table.csv";
        int writer = -1;
        if (what == "directory") {
            std::filesystem::create_directory(path);
        } else if (what == "FIFO") {  // one that holds a whole valid line
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            writer = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
            ASSERT_EQ(::write(writer, "1,2\n", 4), 4);
        } else if (what == "device") {
            std::filesystem::create_symlink("/dev/zero", path);
        } else if (what == "read error") {  // regular, but reading its offset 0 gives EIO
            std::filesystem::create_symlink("/proc/self/mem", path);
        }
        EXPECT_THROW(OpenForInput(path.string()), RuntimeFailure) << what;
        ::close(writer);
    }
}

TEST(OpenForInput, ReadsOnlyWhatIsAskedForAndClosesTheFile) {
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator{});
    };
    const auto before = openFiles();
    TempDir dir;
    dir.Write("table.csv", "1,2\n");
    // A sparse 8 GiB tail: reading the whole file, let alone holding it, would show.
    std::filesystem::resize_file(dir.path() / "table.csv", std::uintmax_t{8} << 30);
    const auto start = std::chrono::steady_clock::now();
    {
        InputFile file = OpenForInput((dir.path() / "table.csv").string());
        std::int16_t values[2];
        InputIntegers(file, values);
        EXPECT_EQ(values[1], 2);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_THROW(Read("\xEF", 1), RuntimeFailure);
    EXPECT_EQ(openFiles(), before);
}

}  // namespace
}  // namespace tolvane
