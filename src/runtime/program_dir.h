#pragma once

#include <filesystem>
#include <string>

namespace tolvane {

// The directory of the running program, in UTF-8, symbolic links resolved, so that a link to
// the program from elsewhere (bin/tolvane) still leads to the files beside the real executable.
// Like any directory name it ends in the separator only when it is a root ("/", "C:\").
// In a browser (WebAssembly) the program is no file in any folder, so its directory is the
// fixed folder "/tolvane" of emscripten's file system: the page puts table.csv there before the
// program starts. A folder of its own at the root, so that nothing emscripten keeps in its
// file system (/tmp, /home/web_user, /dev) is mistaken for the program's.
std::string ProgramDir();

// The same for a given executable path; what ProgramDir uses, and what tests feed.
std::string ProgramDirOf(const std::filesystem::path& executable);

}  // namespace tolvane
