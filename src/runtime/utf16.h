#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Text crosses into Win32 as UTF-16 and comes back as UTF-8, once each way.
std::wstring Utf16(std::string_view text);
std::string Utf8(std::wstring_view text);

}  // namespace tolvane
