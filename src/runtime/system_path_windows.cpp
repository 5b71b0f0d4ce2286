#include "runtime/system_path.h"

#include <windows.h>

#include <climits>

#include "runtime/runtime_failure.h"
#include "runtime/utf16.h"

namespace tolvane {

SystemName PathFromUtf8(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (text.size() > INT_MAX) {
        throw RuntimeFailure("path too long");
    }
    const int size = static_cast<int>(text.size());
    // Strict: an invalid sequence would otherwise become U+FFFD and name some other file.
    const int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
    if (length <= 0) {
        throw RuntimeFailure("path not in UTF-8");
    }
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
    return wide;
}

std::string Utf8FromPath(const SystemName& path) {
    // A name Windows allows but UTF-8 cannot hold (a lone surrogate) keeps its place as U+FFFD;
    // such a folder then holds no file the program can open, which it reports as missing.
    return Utf8(path);
}

}  // namespace tolvane
