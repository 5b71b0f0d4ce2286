#include "runtime/utf16.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace tolvane {

std::wstring Utf16(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    // Texts here are typed or built from typed text; beyond an int's reach Win32 cannot take them.
    const int size =
        static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
    // A lone surrogate (pasted from a broken source) becomes U+FFFD rather than failing.
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace tolvane
