#pragma once

#include <filesystem>
#include <string>

namespace tolvane {

// The directory of the running program, in UTF-8, symbolic links resolved, so that a link to
// the program from elsewhere (bin/tolvane) still leads to the files beside the real executable.
// Like any directory name it ends in the separator only when it is a root ("/", "C:\").
std::string ProgramDir();

// The same for a given executable path; what ProgramDir uses, and what tests feed.
std::string ProgramDirOf(const std::filesystem::path& executable);

}  // namespace tolvane
