// Feeds arbitrary bytes as table.csv through LoadRateTable: it must never throw, never hang,
// and show at most one message, always the table message as a critical one.
//
// The table lives in memory: writing a real file for every input made the file system the
// bottleneck (truncating and closing a rewritten file makes ext4 write it out to disk each
// time). The loader opens table.csv by its path as always; here that path is a symbolic link
// to a memory file, so each input costs a write into memory and the loader's own open and read.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "ratetable/rate_table_file.h"

namespace {

// A directory for the whole run whose table.csv leads to a memory file; removed at exit.
class TableInMemory {
  public:
    TableInMemory() : memory_(::memfd_create("table.csv", MFD_CLOEXEC)) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tolvane-fuzz-XXXXXX").string();
        if (memory_ < 0 || ::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        directory_ = pattern;
        std::filesystem::create_symlink("/proc/self/fd/" + std::to_string(memory_),
                                        directory_ / "table.csv");
        appDir_ = directory_.string() + "/";
    }
    ~TableInMemory() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
        ::close(memory_);
    }

    // Makes the table hold exactly these bytes.
    void Write(const std::uint8_t* data, std::size_t size) const {
        if (::ftruncate(memory_, static_cast<off_t>(size)) != 0 ||
            ::pwrite(memory_, data, size, 0) != static_cast<ssize_t>(size)) {
            std::abort();
        }
    }
    const std::string& AppDir() const { return appDir_; }

  private:
    int memory_;
    std::filesystem::path directory_;
    std::string appDir_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TableInMemory table;
    table.Write(data, size);
    tolvane::TariffState state;
    state.AppDir = table.AppDir();
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
