#include "runtime/program_dir.h"

#include <system_error>

#include "runtime/system_path.h"

namespace tolvane {

std::string ProgramDir() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        // Without /proc the best remaining guess is where the program was started from.
        return Utf8FromPath(std::filesystem::current_path(error));
    }
    return ProgramDirOf(executable);
}

}  // namespace tolvane
