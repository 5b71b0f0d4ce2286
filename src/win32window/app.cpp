#include "win32window/app.h"

#include <commctrl.h>

#include <optional>

#include "form/form_keyboard.h"
#include "runtime/program_dir.h"
#include "win32window/window.h"

namespace tolvane::win32 {
namespace {

std::optional<Key> KeyOf(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP &&
        message.message != WM_CHAR) {
        return std::nullopt;
    }
    switch (message.wParam) {
        case VK_RETURN: return Key::Enter;
        case VK_ESCAPE: return Key::Escape;
        default: return std::nullopt;
    }
}

}  // namespace

int RunCalculator(HINSTANCE instance, const std::function<void(MainF&)>& beforeShow) {
    // The system's own controls in the current visual style (the manifest asks for version 6).
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    MainF window(instance, ProgramDir());
    if (beforeShow) {
        beforeShow(window);
    }
    window.Start();

    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        const bool inWindow =
            message.hwnd == window.Window() || ::IsChild(window.Window(), message.hwnd);
        // The keys that press nothing would press a focused button in the dialog manager.
        if (const std::optional<Key> key = KeyOf(message);
            inWindow && key && PressesNothing(*key)) {
            continue;
        }
        // Tab, the arrow keys within an option group and the access keys, as in a dialog.
        if (!::IsDialogMessageW(window.Window(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace tolvane::win32
