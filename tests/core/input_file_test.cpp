// The table file reader: OpenForInput and InputIntegers.
#include "runtime/input_file.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/input_integers.h"
#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

using testing::PathOfUtf8;
using testing::TempDir;
using testing::Utf8;
using Values = std::vector<std::int16_t>;

// The first `count` values of a file that holds `content`, in a folder called `folder`.
Values Read(const std::string& content, std::size_t count, const std::string& folder = "") {
    const TempDir dir;
    const auto file = dir.path() / PathOfUtf8(folder) / "table.csv";
    std::filesystem::create_directories(file.parent_path());
    dir.Write(file, content);
    InputFile input = OpenForInput(Utf8(file));
    Values values(count);
    InputIntegers(input, values);
    return values;
}

// Whether this process has let go of the file: no descriptor of it leads there, on Windows
// the file can be opened for itself alone.
bool Released(const std::filesystem::path& file) {
#ifdef _WIN32
    const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
    ::CloseHandle(handle);
    return handle != INVALID_HANDLE_VALUE;
#else
    const auto target = std::filesystem::canonical(file);
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ignored;
        if (std::filesystem::read_symlink(entry.path(), ignored) == target) {
            return false;
        }
    }
    return true;
#endif
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
          C{"\xEF\xBB\xBF 7", {7}},
          // Longer than the reader's buffer, a value across its end.
          C{std::string(65535, ' ') + "12" + std::string(70'000, '\n') + "3", {12, 3}}}) {
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

// The path is UTF-8 whatever the system names files in, and may be longer than Windows' old
// MAX_PATH of 260 characters.
TEST(OpenForInput, FindsTheFileWhateverItsFolderIsCalled) {
    std::string deep;
    for (int level = 0; level < 12; ++level) {
        deep += "level " + std::to_string(level) + " of a deep tree/";
    }
    for (const auto& folder : {std::string("山田/ツール"), std::string("a b,c"), deep}) {
        EXPECT_EQ(Read("12,34", 2, folder), (Values{12, 34})) << folder;
    }
    // A name that is not UTF-8 names no file, not even the one a lenient conversion would
    // make of it, with U+FFFD in place of the stray byte.
    const TempDir dir;
    dir.Write(PathOfUtf8("table\uFFFD.csv"), "12");
    EXPECT_THROW(OpenForInput(Utf8(dir.path() / "table") + "\xE5.csv"), RuntimeFailure);
}

// Whatever could hand over a table but is no regular file, and a regular file whose read
// fails. Were any of them read, it would block (a FIFO, a pipe, the console) or fail.
#ifdef _WIN32
constexpr const char* kNotATable[] = {"nothing",    "directory", "NUL",    "NUL in the folder",
                                      "\\\\.\\NUL", "CON",       "CONIN$", "COM1",
                                      "pipe"};
#else
constexpr const char* kNotATable[] = {"nothing", "directory", "device", "read error", "FIFO"};
#endif

TEST(OpenForInput, RefusesAllButARegularFileAndNeverBlocks) {
    for (const std::string what : kNotATable) {
        TempDir dir;
        const auto file = dir.path() / "table.csv";
        std::string path = Utf8(file);
        if (what == "directory") {
            std::filesystem::create_directory(file);
        }
#ifdef _WIN32
        // A pipe whose other end never writes: reading it would wait for ever.
        HANDLE pipe = INVALID_HANDLE_VALUE;
        if (what == "pipe") {
            path = "\\\\.\\pipe\\" + Utf8(dir.path().filename());
            pipe = ::CreateNamedPipeA(path.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 64, 64,
                                      0, nullptr);
            ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
        } else if (what == "NUL in the folder") {  // a device name in any folder is the device
            path = Utf8(dir.path() / "NUL");
        } else if (what != "nothing" && what != "directory") {
            path = what;
        }
        EXPECT_THROW(OpenForInput(path), RuntimeFailure) << what;
        ::CloseHandle(pipe);
#else
        int writer = -1;
        if (what == "FIFO") {  // one that holds a whole valid line; last, as it may skip
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            if (!std::filesystem::is_fifo(file)) {
                GTEST_SKIP() << "mkfifo made a regular file: this file system has no FIFOs";
            }
            writer = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
            ASSERT_EQ(::write(writer, "1,2\n", 4), 4);
        } else if (what == "device") {
            std::filesystem::create_symlink("/dev/zero", file);
        } else if (what == "read error") {  // regular, but reading its offset 0 gives EIO
            std::filesystem::create_symlink("/proc/self/mem", file);
        }
        EXPECT_THROW(OpenForInput(path), RuntimeFailure) << what;
        ::close(writer);
#endif
    }
}

TEST(OpenForInput, ReadsOnlyWhatIsAskedForAndClosesTheFile) {
    TempDir dir;
    const auto table = dir.path() / "table.csv";
    dir.Write(table, "1,2\n");
    // A sparse 8 GiB tail, none of which is read. On the web
    // 1 GiB, the most emscripten 3.1.6 makes: it keeps a size's low 32 bits, as a signed number.
#ifdef __EMSCRIPTEN__
    constexpr std::uintmax_t kSize = std::uintmax_t{1} << 30;
#else
    constexpr std::uintmax_t kSize = std::uintmax_t{8} << 30;
#endif
    std::filesystem::resize_file(table, kSize);
    ASSERT_EQ(std::filesystem::file_size(table), kSize);
    {
        InputFile file = OpenForInput(Utf8(table));
        std::int16_t values[2];
        InputIntegers(file, values);
        EXPECT_EQ(values[1], 2);
        // One buffer's worth at most, and the file still open.
        EXPECT_GE(file.BytesRead(), 4u);
        EXPECT_LE(file.BytesRead(), 64u * 1024);
        EXPECT_FALSE(Released(table));
    }
    EXPECT_TRUE(Released(table));
    // Refused after it was opened.
    dir.Write(table, "\xEF");
    EXPECT_THROW(OpenForInput(Utf8(table)), RuntimeFailure);
    EXPECT_TRUE(Released(table));
}

}  // namespace
}  // namespace tolvane
