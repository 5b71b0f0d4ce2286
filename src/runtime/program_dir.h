#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tolvane {

// The directory of the running program, symbolic links resolved, so that a link to the
// program from elsewhere (bin/tolvane) still leads to the files beside the real executable.
// Like any directory name it ends in '/' only when it is the root.
std::string ProgramDir();

// The same for a given executable path; what ProgramDir uses, and what tests feed.
std::string ProgramDirOf(const std::filesystem::path& executable);

// The last character of a UTF-8 text (empty for an empty text).
std::string_view LastChar(std::string_view text);

}  // namespace tolvane
