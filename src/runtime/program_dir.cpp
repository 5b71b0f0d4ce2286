#include "runtime/program_dir.h"

#include <system_error>

#include "runtime/system_path.h"

namespace tolvane {

std::string ProgramDirOf(const std::filesystem::path& executable) {
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(executable, error);
    if (error) {
        resolved = executable.lexically_normal();
    }
    return Utf8FromPath(resolved.parent_path());
}

}  // namespace tolvane
