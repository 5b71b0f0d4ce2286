#include "runtime/input_file.h"

#include <windows.h>

#include <algorithm>

#include "runtime/runtime_failure.h"
#include "runtime/system_path.h"

namespace tolvane {
namespace {

static_assert(sizeof(HANDLE) == sizeof(std::intptr_t));

HANDLE AsHandle(std::intptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The name CreateFileW is given. A path of MAX_PATH characters or more it takes only in the
// form that starts with \\?\ and that it passes to the file system unparsed: so such a path
// is first made full (its "." and "..", its '/' resolved) and then given that prefix.
std::wstring CreateFileName(const std::string& path) {
    std::wstring name = PathFromUtf8(path);
    if (name.size() < MAX_PATH || name.starts_with(L"\\\\?\\")) {
        return name;
    }
    const DWORD size = ::GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = ::GetFullPathNameW(name.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size || full.starts_with(L"\\\\.\\")) {
        return name;
    }
    full.resize(length);
    if (full.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2);  // \\server\share\...
    }
    return L"\\\\?\\" + full;
}

}  // namespace

InputFile::Handle InputFile::Open(const std::string& path) {
    // Others may go on reading, writing, renaming or deleting the file meanwhile, as an editor
    // saving it would: the program only takes a look. INVALID_HANDLE_VALUE is kNoHandle.
    return reinterpret_cast<Handle>(
        ::CreateFileW(CreateFileName(path).c_str(), GENERIC_READ,
                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

bool InputFile::IsRegularFile(Handle handle) {
    // A console, NUL, a serial port or a pipe is no disk file, and a read from some of them
    // waits for input that may never come.
    BY_HANDLE_FILE_INFORMATION information{};
    return ::GetFileType(AsHandle(handle)) == FILE_TYPE_DISK &&
           ::GetFileInformationByHandle(AsHandle(handle), &information) != 0 &&
           (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::size_t InputFile::ReadSome(Handle handle, unsigned char* data, std::size_t size) {
    DWORD count = 0;
    const auto wanted = static_cast<DWORD>(std::min<std::size_t>(size, MAXDWORD));
    if (::ReadFile(AsHandle(handle), data, wanted, &count, nullptr) == 0) {
        throw RuntimeFailure("cannot read the file");
    }
    return count;
}

void InputFile::Close(Handle handle) {
    ::CloseHandle(AsHandle(handle));
}

}  // namespace tolvane
