#include "runtime/program_dir.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include "runtime/system_path.h"

namespace tolvane {
namespace {

// The whole of a file that tells its size only by being read to its end, such as those of /proc,
// or "" if it cannot be opened. Read with the system's calls: a file stream would first set up
// the C++ locale machinery, a quarter of a megabyte of the library's pages at every start-up.
std::string WholeFile(const char* path) {
    std::string content;
    const int file = ::open(path, O_RDONLY | O_CLOEXEC);
    if (file < 0) {
        return content;
    }
    std::array<char, 16 * 1024> buffer;
    for (ssize_t count; (count = ::read(file, buffer.data(), buffer.size())) > 0;) {
        content.append(buffer.data(), static_cast<std::size_t>(count));
    }
    ::close(file);
    return content;
}

// The file the kernel mapped the given code from, as /proc/self/maps names it, or "" without
// /proc. That is this program even when it was started through the dynamic loader
// (ld-linux.so tolvane), where /proc/self/exe names the loader.
std::string MappedFileHolding(std::uintptr_t address) {
    const std::string maps = WholeFile("/proc/self/maps");
    for (std::size_t from = 0, to = 0; from < maps.size(); from = to + 1) {
        to = maps.find('\n', from);
        if (to == std::string::npos) {
            to = maps.size();
        }
        const std::string_view line(maps.data() + from, to - from);
        // start-end perms offset device inode   path
        std::uintptr_t start = 0, end = 0;
        const auto dash = std::from_chars(line.data(), line.data() + line.size(), start, 16);
        if (dash.ptr == line.data() + line.size() || *dash.ptr != '-') {
            continue;
        }
        std::from_chars(dash.ptr + 1, line.data() + line.size(), end, 16);
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
