#pragma once

#include <string>
#include <string_view>

#include "runtime/system_path.h"

namespace tolvane {

// The directory of the running program, in UTF-8, symbolic links resolved, so that a link to
// the program from elsewhere (bin/tolvane) still leads to the files beside the real executable.
// Like any directory name it ends in the separator only when it is a root ("/", "C:\").
// `startedAs` is the program's path as it was started (argv[0]), the last resort where the
// system cannot tell where the program is; never the root unless the program is there.
// In a browser (WebAssembly) the program is no file in any folder, so its directory is the
// fixed folder "/tolvane" of emscripten's file system: the page puts table.csv there before the
// program starts. A folder of its own at the root, so that nothing emscripten keeps in its
// file system (/tmp, /home/web_user, /dev) is mistaken for the program's.
std::string ProgramDir(std::string_view startedAs = {});

// The folder of a given executable path; what ProgramDir uses, and what tests feed. On POSIX the
// path is made canonical first. On Windows it is taken as the system gives it: the C++ library
// reads neither a network share (\\server\share\...) nor the \\?\ form as a path's start.
std::string ProgramDirOf(const SystemName& executable);

#ifndef _WIN32
// Where a program started as `startedAs` lies, as a shell found it: a name with a slash from
// the current directory, a bare name through `searchPath` (PATH), "." where neither says.
std::string ProgramDirAsStarted(std::string_view startedAs, std::string_view searchPath);
#endif

}  // namespace tolvane
