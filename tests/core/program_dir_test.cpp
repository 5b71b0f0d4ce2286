#include "runtime/program_dir.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/runtime_failure.h"
#include "runtime/system_path.h"

namespace tolvane {
namespace {

using testing::PathOfUtf8;
using testing::Utf8;

constexpr bool kWindows = kPathSeparator == '\\';
#ifdef __EMSCRIPTEN__
constexpr bool kWeb = true;
#else
constexpr bool kWeb = false;
#endif

TEST(ProgramDir, IsTheDirectoryOfTheRealExecutableThroughLinks) {
    if (kWindows) {
        GTEST_SKIP() << "the C++ library makes no symbolic links on Windows";
    }
    testing::TempDir dir;
    const auto real = dir.path() / "lib" / PathOfUtf8("ツール 箱") / "tolvane";
    std::filesystem::create_directories(real.parent_path());
    std::filesystem::create_directories(dir.path() / "bin");
    dir.Write(real, "");
    std::filesystem::create_symlink(PathOfUtf8("../lib/ツール 箱/tolvane"),
                                    dir.path() / "bin" / "tolvane");
    // A path that cannot be resolved (a link to itself) is taken as written.
    std::filesystem::create_symlink("loop", dir.path() / "loop");

    EXPECT_EQ(ProgramDirOf((dir.path() / "bin" / "tolvane").native()),
              Utf8(std::filesystem::canonical(real.parent_path())));
    EXPECT_EQ(ProgramDirOf((dir.path() / "loop" / "x" / ".." / "tolvane").native()),
              Utf8(dir.path() / "loop"));
}

// The folder in the system's own form and in UTF-8; a root keeps its separator. Windows gives
// the program's path as it is, on a network share or in the \\?\ form too.
TEST(ProgramDir, IsTheFolderOfTheExecutableInUtf8) {
    using Case = std::pair<const char*, const char*>;
    const auto cases =
        kWindows
            ? std::vector<Case>{{"C:\\tolvane.exe", "C:\\"},
                                {"C:\\Users\\山田\\ツール\\tolvane.exe", "C:\\Users\\山田\\ツール"},
                                {"\\\\server\\share\\dir\\tolvane.exe", "\\\\server\\share\\dir"},
                                {"\\\\server\\share\\tolvane.exe", "\\\\server\\share\\"},
                                {"\\\\?\\C:\\dir.\\tolvane.exe", "\\\\?\\C:\\dir."},
                                {"\\\\?\\C:\\tolvane.exe", "\\\\?\\C:\\"},
                                {"\\\\?\\UNC\\server\\share\\tolvane.exe",
                                 "\\\\?\\UNC\\server\\share\\"}}
            : std::vector<Case>{{"/tolvane", "/"},
                                {"/no such/山田/ツール/tolvane", "/no such/山田/ツール"},
                                {"/no such/./x/../tolvane", "/no such"}};
    for (const auto& [executable, folder] : cases) {
        EXPECT_EQ(ProgramDirOf(PathOfUtf8(executable).native()), folder) << executable;
    }
    if (kWeb) {
        GTEST_SKIP() << "in a browser the program is no file: its directory is the fixed folder "
                     << ProgramDir();
    }
    // The running program: CTest runs it from its build folder and from a copy in a folder
    // with a Japanese name.
    const auto programDir = PathOfUtf8(ProgramDir());
    EXPECT_TRUE(std::filesystem::exists(programDir / (kWindows ? "core_tests.exe" : "core_tests")))
        << Utf8(programDir);
}

#ifndef _WIN32
// Without /proc, where the shell found the program, and never the root: a current directory
// that has been deleted leaves "." (whose table.csv then cannot be opened).
TEST(ProgramDir, WithoutProcIsWhereTheShellFoundIt) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() / "bin");
    dir.Write(dir.path() / "bin" / "tolvane", "");
    std::filesystem::permissions(dir.path() / "bin" / "tolvane", std::filesystem::perms::owner_all);
    const std::string bin = Utf8(std::filesystem::canonical(dir.path() / "bin"));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    EXPECT_EQ(ProgramDirAsStarted("tolvane", "/no such:" + bin), bin);
    EXPECT_EQ(ProgramDirAsStarted("bin/tolvane", bin), bin);
    std::filesystem::create_directories(dir.path() / "gone");
    std::filesystem::current_path(dir.path() / "gone");
    std::filesystem::remove(dir.path() / "gone");
    for (const char* startedAs : {"./tolvane", "tolvane", ""}) {
        EXPECT_EQ(ProgramDirAsStarted(startedAs, "/no such"), ".") << startedAs;
    }
    std::filesystem::current_path(before);
}
#endif

TEST(SystemPath, ConvertsUtf8BothWays) {
    for (const std::string text : {"", "table.csv", "C:\\Users\\山田\\ツール\\", "/opt/𝄞 x/"}) {
        EXPECT_EQ(PathFromUtf8(text), PathOfUtf8(text).native()) << text;
        EXPECT_EQ(Utf8FromPath(PathOfUtf8(text).native()), text);
    }
    // Bytes that are no UTF-8 name no file on Windows and the web (file names in UTF-16 there);
    // on POSIX they are a name like any other.
    for (const std::string text :
         {"\xE5\xB1", "a\xFF", "\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80"}) {
        if (kWindows || kWeb) {
            EXPECT_THROW(PathFromUtf8(text), RuntimeFailure) << text;
        } else {
            EXPECT_EQ(Utf8FromPath(PathFromUtf8(text)), text);
        }
    }
    // A name Windows allows but UTF-8 cannot hold, a lone surrogate, reads as U+FFFD.
    EXPECT_TRUE(!kWindows ||
                Utf8FromPath(SystemName(1, static_cast<SystemName::value_type>(0xD800))) ==
                    "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tolvane
