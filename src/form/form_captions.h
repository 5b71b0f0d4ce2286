#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// A caption as the window shows it: an "&" marks the access key, the letter after it, and is not
// shown; "&&" shows one "&".
std::string ShownCaption(std::string_view caption);

// The access key a caption marks, in upper case ('A' for "時間→料金計算(&A)"), or '\0'.
char AccessKeyOf(std::string_view caption);

// The room a frame keeps on each side of its title, in pixels at 96 DPI: its corner and a gap.
inline constexpr int kFrameTitleMargin = 8;

}  // namespace tolvane
