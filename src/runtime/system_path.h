#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// The separator between a directory and a name in the paths the program makes: the system's
// own, '/' on POSIX and '\' on Windows, so that they read as the user's other paths do.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The program's texts, paths among them, are UTF-8; these convert where a path meets the file
// system. POSIX takes a name's bytes as they are. Windows names files in UTF-16, so the text is
// converted as UTF-8 whatever the system's code page, and a folder named in Japanese is found;
// there, and on the web, whose file names are JavaScript strings, a text that is not UTF-8 names
// no file and throws RuntimeFailure. A name as the system takes it is a string of its own
// characters, not a std::filesystem::path: the Windows program then carries none of the C++
// library's file system and locale code, most of what it would weigh and load.
#ifdef _WIN32
using SystemName = std::wstring;
#else
using SystemName = std::string;
#endif
SystemName PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const SystemName& path);

}  // namespace tolvane
