#include "runtime/program_dir.h"

#include <system_error>

namespace tolvane {

std::string ProgramDirOf(const std::filesystem::path& executable) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(executable, error);
    if (error) {
        resolved = executable.lexically_normal();
    }
    return resolved.parent_path().string();
}

std::string ProgramDir() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        // Without /proc the best remaining guess is where the program was started from.
        return std::filesystem::current_path(error).string();
    }
    return ProgramDirOf(executable);
}

}  // namespace tolvane
