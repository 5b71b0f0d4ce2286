#include "runtime/program_dir.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "runtime/system_path.h"

namespace tolvane {

std::string ProgramDirOf(const SystemName& executable) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(executable, error);
    if (error) {
        resolved = std::filesystem::path(executable).lexically_normal();
    }
    return Utf8FromPath(resolved.parent_path().native());
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

}  // namespace tolvane
