#pragma once

#include <filesystem>
#include <string>

namespace tolvane {

// The directory of the running program, symbolic links resolved, so that a link to the
// program from elsewhere (bin/tolvane) still leads to the files beside the real executable.
// Like any directory name it ends in '/' only when it is the root.
std::string ProgramDir();

// The same for a given executable path; what ProgramDir uses, and what tests feed.
std::string ProgramDirOf(const std::filesystem::path& executable);

}  // namespace tolvane
