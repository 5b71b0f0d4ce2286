// The anchor: a plain Win32 window with the calculator's 27 controls as the system makes them,
// in the same places, classes and order, with the same manifest and the same font, and nothing
// else: no font fitted, no table read. What this costs beyond a bare window is the system's
// price for the controls the calculator must have.
#include <windows.h>

#include <commctrl.h>

#include "first_paint.h"
#include "form/form_layout.h"
#include "form/form_pixels.h"
#include "runtime/utf16.h"

namespace {

const wchar_t* ClassOf(tolvane::ControlArray array) {
    switch (array) {
        case tolvane::ControlArray::Text1:
        case tolvane::ControlArray::Text2: return L"EDIT";
        case tolvane::ControlArray::Label1: return L"STATIC";
        default: return L"BUTTON";
    }
}

DWORD StyleOf(tolvane::ControlArray array) {
    switch (array) {
        case tolvane::ControlArray::Frame1: return BS_GROUPBOX;
        case tolvane::ControlArray::Command1: return BS_PUSHBUTTON | WS_TABSTOP;
        case tolvane::ControlArray::Text1:
        case tolvane::ControlArray::Text2: return ES_AUTOHSCROLL | WS_TABSTOP;
        case tolvane::ControlArray::Label1: return SS_LEFT;
        default: return BS_AUTORADIOBUTTON;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    HWND window = CreateProbeWindow(instance);
    LOGFONTW request{};
    request.lfHeight = -12;
    request.lfCharSet = SHIFTJIS_CHARSET;
    ::lstrcpynW(request.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
    HFONT font = ::CreateFontIndirectW(&request);
    for (const tolvane::ControlRef control : tolvane::ControlsInTabOrder()) {
        const auto place = tolvane::PixelPlacement(control, 96, tolvane::PixelOrigin::Window);
        HWND child = ::CreateWindowW(
            ClassOf(control.array), tolvane::Utf16(tolvane::PlacementOf(control).caption).c_str(),
            WS_CHILD | WS_VISIBLE | StyleOf(control.array), place.left, place.top, place.width,
            place.height, window, nullptr, instance, nullptr);
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return ShowUntilFirstPaint(window);
}
