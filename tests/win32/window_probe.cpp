// Reads back what the calculator's windows really show, from outside the program, as a person
// would see them: prints, as UTF-8 lines, every visible or hidden top-level window titled
// "Tolvane" (the calculator and its message boxes) and each of its controls (class, text, state),
// with texts read through WM_GETTEXT (another process's edit box gives GetWindowText nothing).
//   window_probe.exe              one dump
//   window_probe.exe PROGRAM.EXE  what the program file carries: its version record, the sizes
//                                 of its icon and its manifest's settings
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/utf16.h"

namespace {

using tolvane::Utf8;

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 2000, &copied);
    text.resize(copied);
    return text;
}

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return Utf8(name);
}

HWND focused = nullptr;

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    DWORD_PTR checked = 0;
    ::SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &checked);
    std::printf("  %s|%s|%s%s\n", ClassOf(child).c_str(), Utf8(TextOf(child)).c_str(),
                checked == BST_CHECKED ? "checked " : "", child == focused ? "focus" : "");
    return TRUE;
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
    if (TextOf(window) != L"Tolvane") {
        return TRUE;
    }
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &thread);
    focused = thread.hwndFocus;
    RECT client{};
    ::GetClientRect(window, &client);
    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    HWND owner = ::GetWindow(window, GW_OWNER);
    std::printf("window %s|%s|client %ldx%ld|%s%s%s%s%s\n", ClassOf(window).c_str(),
                Utf8(TextOf(window)).c_str(), client.right, client.bottom,
                ::IsWindowVisible(window) ? "visible " : "hidden ",
                (style & WS_THICKFRAME) != 0 ? "resizable " : "",
                (style & WS_MAXIMIZEBOX) != 0 ? "maximize " : "",
                (style & WS_MINIMIZEBOX) != 0 ? "minimize " : "",
                owner != nullptr ? ("owner:" + ClassOf(owner)).c_str() : "");
    ::EnumChildWindows(window, PrintChild, 0);
    return TRUE;
}

int PrintProgramFile(const wchar_t* program) {
    const DWORD size = ::GetFileVersionInfoSizeW(program, nullptr);
    std::vector<char> record(size);
    if (size == 0 || !::GetFileVersionInfoW(program, 0, size, record.data())) {
        std::printf("no version record\n");
        return 1;
    }
    for (const wchar_t* name : {L"ProductName", L"ProductVersion", L"FileDescription",
                                L"CompanyName", L"LegalCopyright"}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        ::VerQueryValueW(record.data(), path.c_str(), &value, &length);
        std::printf("%s=%s\n", Utf8(name).c_str(),
                    length != 0 ? Utf8(static_cast<const wchar_t*>(value)).c_str() : "(none)");
    }
    HMODULE module = ::LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    std::printf("icon sizes=");
    for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
        // An exact size only: LR_DEFAULTCOLOR without LR_DEFAULTSIZE still scales, so compare.
        auto* icon = static_cast<HICON>(
            ::LoadImageW(module, MAKEINTRESOURCEW(1), IMAGE_ICON, side, side, 0));
        ICONINFO info{};
        BITMAP bitmap{};
        if (icon != nullptr && ::GetIconInfo(icon, &info) &&
            ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) != 0 && bitmap.bmWidth == side) {
            std::printf("%d ", side);
        }
        ::DeleteObject(info.hbmColor);  // null, if never made, is ignored
        ::DeleteObject(info.hbmMask);
    }
    std::printf("\n");
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    const std::string text =
        found != nullptr
            ? std::string(static_cast<const char*>(::LockResource(::LoadResource(module, found))),
                          ::SizeofResource(module, found))
            : "";
    for (const char* setting : {"PerMonitorV2", "Microsoft.Windows.Common-Controls",
                                "<activeCodePage", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
        std::printf("manifest %s=%s\n", setting,
                    text.find(setting) != std::string::npos ? "yes" : "no");
    }
    return 0;
}

int PrintClipboard() {
    if (!::OpenClipboard(nullptr)) {
        return 1;
    }
    HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
    std::printf("%s\n", text != nullptr ? Utf8(text).c_str() : "");
    ::GlobalUnlock(data);  // nothing, where nothing was locked
    ::EmptyClipboard();
    ::CloseClipboard();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1) {
        return std::wstring_view(argv[1]) == L"--clipboard" ? PrintClipboard()
                                                            : PrintProgramFile(argv[1]);
    }
    ::EnumWindows(PrintWindow, 0);
    std::fflush(stdout);
    return 0;
}
