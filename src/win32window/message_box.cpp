#include "win32window/message_box.h"

#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

#include "form/form_texts.h"
#include "runtime/utf16.h"

namespace tolvane {
namespace {

thread_local const std::wstring* boxCopies = nullptr;  // a hook procedure has no other context

// On Ctrl+C the system's box copies what it shows, a long sentence shortened; the form says what
// is copied. The dialog manager shows the box's input to this thread's message filter before the
// box handles it: a key taken here goes no further, and a copy the box made already is replaced.
// Ctrl+Insert copies too, as in a text box.
LRESULT CALLBACK CopyFilter(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& input = *reinterpret_cast<const MSG*>(lParam);
    if (code != MSGF_DIALOGBOX || input.message != WM_KEYDOWN || ::GetKeyState(VK_CONTROL) >= 0 ||
        (input.wParam != 'C' && input.wParam != VK_INSERT)) {
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
    if (::OpenClipboard(::GetAncestor(input.hwnd, GA_ROOT))) {
        const std::size_t bytes = (boxCopies->size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
        if (memory != nullptr) {
            std::memcpy(::GlobalLock(memory), boxCopies->c_str(), bytes);
            ::GlobalUnlock(memory);
            ::EmptyClipboard();
            if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
                ::GlobalFree(memory);  // taken by the clipboard only if set
            }
        }
        ::CloseClipboard();
    }
    return 1;
}

}  // namespace

void ShowMessageBox(HWND owner, const Message& message) {
    const std::wstring copied = Utf16(message.copied);
    boxCopies = &copied;
    // Only while the box is up, however this returns: the window's own message loop asks the
    // same filter, and its text boxes copy their own selection.
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&::UnhookWindowsHookEx)> filter(
        ::SetWindowsHookExW(WH_MSGFILTER, CopyFilter, nullptr, ::GetCurrentThreadId()),
        &::UnhookWindowsHookEx);
    const UINT icon = message.style == MessageStyle::Critical ? MB_ICONERROR : MB_ICONINFORMATION;
    ::MessageBoxW(owner, Utf16(message.shown).c_str(), Utf16(kApplicationTitle).c_str(),
                  MB_OK | icon | (owner != nullptr ? 0 : MB_SETFOREGROUND));
}

}  // namespace tolvane
