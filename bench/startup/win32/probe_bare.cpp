// The least a Win32 window of the calculator's size with Japanese text costs: the baseline.
#include <windows.h>

#include "first_paint.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND window = CreateProbeWindow(instance);
    HWND label = ::CreateWindowW(L"STATIC", L"通話料金の計算", WS_CHILD | WS_VISIBLE, 16, 16, 200,
                                 20, window, nullptr, instance, nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
    return ShowUntilFirstPaint(window);
}
