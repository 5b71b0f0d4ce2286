#pragma once

// Ends the process's message loop once `window` has painted for the first time, so that the
// whole process's run time, launch to exit, is its start-up.
#include <windows.h>

#include <commctrl.h>

inline LRESULT CALLBACK QuitAfterFirstPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_PAINT) {
        ::PostQuitMessage(0);
    }
    return result;
}

inline void EndAtFirstPaint(HWND window) {
    ::SetWindowSubclass(window, QuitAfterFirstPaint, 1, 0);
}
