#include "runtime/program_dir.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <system_error>

#include "runtime/system_path.h"

namespace tolvane {
namespace {

// The file the kernel mapped the given code from, as /proc/self/maps names it, or "" without
// /proc. That is this program even when it was started through the dynamic loader
// (ld-linux.so tolvane), where /proc/self/exe names the loader.
std::string MappedFileHolding(std::uintptr_t address) {
    std::ifstream maps("/proc/self/maps");
    std::string line;
    while (std::getline(maps, line)) {
        // start-end perms offset device inode   path
        char* rest = nullptr;
        const std::uintptr_t start = std::strtoull(line.c_str(), &rest, 16);
        const std::uintptr_t end = std::strtoull(rest + 1, nullptr, 16);
        if (address < start || address >= end) {
            continue;
        }
        const std::size_t slash = line.find('/');
        if (slash == std::string::npos) {
            return {};
        }
        // The kernel writes a newline in a name as \012, and marks a replaced file.
        std::string path;
        for (std::size_t at = slash; at < line.size(); ++at) {
            if (line.compare(at, 4, "\\012") == 0) {
                path += '\n';
                at += 3;
            } else {
                path += line[at];
            }
        }
        if (constexpr std::string_view kDeleted = " (deleted)"; path.ends_with(kDeleted)) {
            path.resize(path.size() - kDeleted.size());
        }
        return path;
    }
    return {};
}

}  // namespace

std::string ProgramDir(std::string_view startedAs) {
    const std::string mapped = MappedFileHolding(reinterpret_cast<std::uintptr_t>(&ProgramDir));
    if (!mapped.empty()) {
        return ProgramDirOf(mapped);
    }
    const char* searchPath = std::getenv("PATH");
    return ProgramDirAsStarted(startedAs, searchPath != nullptr ? searchPath : "");
}

}  // namespace tolvane
