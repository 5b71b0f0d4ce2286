#include "runtime/program_dir.h"

#include <unistd.h>

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
        std::string path = line.substr(slash);
        // The kernel writes a newline in a name as \012, and marks a replaced file.
        for (std::size_t at; (at = path.find("\\012")) != std::string::npos;) {
            path.replace(at, 4, "\n");
        }
        if (constexpr std::string_view kDeleted = " (deleted)"; path.ends_with(kDeleted)) {
            path.resize(path.size() - kDeleted.size());
        }
        return path;
    }
    return {};
}

}  // namespace

std::string ProgramDirOf(const std::filesystem::path& executable) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(executable, error);
    if (error) {
        resolved = executable.lexically_normal();
    }
    return Utf8FromPath(resolved.parent_path());
}

std::string ProgramDirAsStarted(std::string_view startedAs, std::string_view searchPath) {
    if (startedAs.find('/') == std::string_view::npos && !startedAs.empty()) {
        for (std::size_t from = 0; from <= searchPath.size();) {
            std::size_t to = searchPath.find(':', from);
            to = to == std::string_view::npos ? searchPath.size() : to;
            // An empty entry is the current directory, as in the shell.
            std::string candidate(to == from ? "." : searchPath.substr(from, to - from));
            candidate.append("/").append(startedAs);
            if (::access(candidate.c_str(), X_OK) == 0) {
                return ProgramDirOf(candidate);
            }
            from = to + 1;
        }
    }
    const std::string folder = ProgramDirOf(std::string(startedAs));
    return folder.empty() ? "." : folder;
}

std::string ProgramDir(std::string_view startedAs) {
    const std::string mapped = MappedFileHolding(reinterpret_cast<std::uintptr_t>(&ProgramDir));
    if (!mapped.empty()) {
        return ProgramDirOf(mapped);
    }
    const char* searchPath = std::getenv("PATH");
    return ProgramDirAsStarted(startedAs, searchPath != nullptr ? searchPath : "");
}

}  // namespace tolvane
