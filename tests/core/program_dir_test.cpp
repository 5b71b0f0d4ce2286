#include "runtime/program_dir.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "common/temp_dir.h"

namespace tolvane {
namespace {

TEST(ProgramDir, IsTheDirectoryOfTheRealExecutableThroughLinks) {
    testing::TempDir dir;
    const auto real = dir.path() / "lib" / "ツール 箱" / "tolvane";
    std::filesystem::create_directories(real.parent_path());
    std::filesystem::create_directories(dir.path() / "bin");
    dir.Write(real, "");
    std::filesystem::create_symlink("../lib/ツール 箱/tolvane", dir.path() / "bin" / "tolvane");
    // A path that cannot be resolved (a link to itself) is taken as written.
    std::filesystem::create_symlink("loop", dir.path() / "loop");

    EXPECT_EQ(ProgramDirOf(dir.path() / "bin" / "tolvane"),
              std::filesystem::canonical(real.parent_path()).string());
    EXPECT_EQ(ProgramDirOf(dir.path() / "loop" / "x" / ".." / "tolvane"),
              (dir.path() / "loop").string());
    EXPECT_EQ(ProgramDirOf("/tolvane"), "/");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(ProgramDir()) / "core_tests"));
}

}  // namespace
}  // namespace tolvane
