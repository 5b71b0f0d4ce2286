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

std::string_view LastChar(std::string_view text) {
    std::size_t start = text.size();
    // Step back over UTF-8 continuation bytes to the lead byte of the last character.
    while (start > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) {
            break;
        }
    }
    return text.substr(start);
}

}  // namespace tolvane
