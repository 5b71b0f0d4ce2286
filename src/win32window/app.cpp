#include "win32window/calculator_app.h"

#include <commctrl.h>

#include "runtime/program_dir.h"
#include "win32window/main_window.h"

namespace tolvane {
namespace {

// Enter and Escape press nothing: the window has no default or cancel button, and a focused
// button answers Enter in the system's dialogs. Space still presses a focused button.
bool IsEnterOrEscape(const MSG& message) {
    const bool key =
        message.message == WM_KEYDOWN || message.message == WM_KEYUP || message.message == WM_CHAR;
    return key && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
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
        if (inWindow && IsEnterOrEscape(message)) {
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

}  // namespace tolvane
