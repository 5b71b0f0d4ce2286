#include "runtime/program_dir.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "runtime/system_path.h"

namespace tolvane {
namespace {

// What `call` writes into a buffer of the size it is given. `call` returns the length written,
// or, where the text does not fit, at least the size given (some calls cut the text short and
// fill the buffer, others return the size they need); 0 on failure.
template <typename Call>
std::wstring GrownToFit(Call call) {
    std::wstring text(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(text.size());
        const DWORD length = call(text.data(), size);
        if (length < size) {
            text.resize(length);
            return text;
        }
        text.resize(std::max<std::size_t>(text.size() * 2, length + 1));
    }
}

// The path of the file itself, links followed, in the \\?\ form the system gives it: the one
// form that names a folder ending in a dot or a space, which any other loses.
std::wstring FinalPathOf(const std::wstring& path) {
    HANDLE file =
        ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::wstring final = GrownToFit([file](wchar_t* buffer, DWORD size) {
        return ::GetFinalPathNameByHandleW(file, buffer, size, FILE_NAME_NORMALIZED);
    });
    ::CloseHandle(file);
    return final.starts_with(LR"(\\?\)") ? final : std::wstring();
}

// Wine names a program started from a network share "UNC\server\share\...", its own name for
// it less the "\??\" before; Windows gives "\\server\share\...".
std::wstring AsWindowsNamesIt(std::wstring path) {
    if (path.starts_with(LR"(UNC\)")) {
        path.replace(0, 4, LR"(\\)");
    }
    return path;
}

bool IsSeparator(wchar_t character) {
    return character == L'\\' || character == L'/';
}

// Whether a folder, given without its last separator, is a root: of a drive ("C:"), of a
// network share ("\\server\share"), either in the \\?\ form too, or of the current drive ("").
bool IsRoot(std::wstring_view folder) {
    const auto separators = [](std::wstring_view text) {
        return std::count_if(text.begin(), text.end(), IsSeparator);
    };
    for (const std::wstring_view share : {L"\\\\?\\UNC\\", L"\\\\"}) {
        if (folder.starts_with(share) && share.size() != folder.size() &&
            (share.size() != 2 || (folder[2] != L'?' && folder[2] != L'.'))) {
            return separators(folder.substr(share.size())) == 1;
        }
    }
    for (const std::wstring_view device : {L"\\\\?\\", L"\\\\.\\"}) {
        if (folder.starts_with(device)) {
            folder.remove_prefix(device.size());
        }
    }
    return folder.empty() || (folder.size() == 2 && folder[1] == L':');
}

}  // namespace

std::string ProgramDirOf(const SystemName& executable) {
    const std::wstring& path = executable;
    const std::size_t last = path.find_last_of(L"\\/");
    if (last == std::wstring::npos) {
        return ".";
    }
    const std::wstring_view folder = std::wstring_view(path).substr(0, last);
    return Utf8FromPath(path.substr(0, IsRoot(folder) ? last + 1 : last));
}

std::string ProgramDir(std::string_view /*startedAs*/) {
    const std::wstring executable = AsWindowsNamesIt(GrownToFit(
        [](wchar_t* buffer, DWORD size) { return ::GetModuleFileNameW(nullptr, buffer, size); }));
    if (executable.empty()) {
        // The best remaining guess is where the program was started from.
        const std::wstring current = GrownToFit(
            [](wchar_t* buffer, DWORD size) { return ::GetCurrentDirectoryW(size, buffer); });
        return current.empty() ? "." : Utf8FromPath(current);
    }
    const std::wstring final = FinalPathOf(executable);
    return ProgramDirOf(final.empty() ? executable : final);
}

}  // namespace tolvane
