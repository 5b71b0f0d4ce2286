#include "startup/start_up.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/system_path.h"

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

}  // namespace
}  // namespace tolvane
