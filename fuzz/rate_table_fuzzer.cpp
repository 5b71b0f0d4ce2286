// Feeds arbitrary bytes as table.csv through LoadRateTable: it must never throw, never hang,
// and show at most one message, always the table message as a critical one.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "ratetable/rate_table_file.h"

namespace {

// One directory for the whole run, holding the table.csv of the current input; removed at exit.
class RunDirectory {
  public:
    RunDirectory() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tolvane-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path_ = pattern;
    }
    ~RunDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string AppDir() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};

const std::string& AppDir() {
    static const RunDirectory directory;
    static const std::string appDir = directory.AppDir();
    return appDir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        std::ofstream file(AppDir() + "table.csv", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    tolvane::TariffState state;
    state.AppDir = AppDir();
    int messages = 0;
    tolvane::LoadRateTable(state, [&messages](std::string_view text, tolvane::MessageStyle style) {
        if (text != tolvane::kRateTableFileMessage || style != tolvane::MessageStyle::Critical) {
            __builtin_trap();
        }
        ++messages;
    });
    if (messages > 1) {
        __builtin_trap();
    }
    return 0;
}
