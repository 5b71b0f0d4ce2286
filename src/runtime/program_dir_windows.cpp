#include "runtime/program_dir.h"

#include <windows.h>

#include <string>
#include <system_error>

#include "runtime/system_path.h"

namespace tolvane {

std::string ProgramDir() {
    // The path of the program's own executable file, in UTF-16. One that does not fit comes
    // back cut short, filling the buffer: then a larger one is tried (paths may be far longer
    // than MAX_PATH where long paths are enabled).
    std::wstring executable(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(executable.size());
        const DWORD length = ::GetModuleFileNameW(nullptr, executable.data(), size);
        if (length == 0) {
            // The best remaining guess is where the program was started from.
            std::error_code error;
            return Utf8FromPath(std::filesystem::current_path(error));
        }
        if (length < size) {
            executable.resize(length);
            return ProgramDirOf(std::filesystem::path(std::move(executable)));
        }
        executable.resize(executable.size() * 2);
    }
}

}  // namespace tolvane
