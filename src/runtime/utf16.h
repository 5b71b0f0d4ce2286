#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Windows only. Text crosses into Win32 as UTF-16 and comes back as UTF-8, once each way. Text
// that is not valid UTF-8 or UTF-16 is not refused: each broken sequence becomes U+FFFD.
std::wstring Utf16(std::string_view text);
std::string Utf8(std::wstring_view text);

}  // namespace tolvane
