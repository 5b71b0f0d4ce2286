#pragma once

// Ends the process's message loop once `window` has painted for the first time, so that the
// whole process's run time, launch to exit, is its start-up. Then writes to standard output the
// moment of that paint, in microseconds since 1970 (Wine's system time is the host's), the time
// from the process's creation to it, and the peak working set in bytes.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>

inline LRESULT CALLBACK QuitAfterFirstPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR) {
    const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_PAINT) {
        FILETIME created{}, unused{}, now{};
        ::GetProcessTimes(::GetCurrentProcess(), &created, &unused, &unused, &unused);
        ::GetSystemTimePreciseAsFileTime(&now);
        const auto ticks = [](FILETIME time) {
            return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                   time.dwLowDateTime;
        };
        PROCESS_MEMORY_COUNTERS memory{};
        ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
        constexpr unsigned long long kTicksTo1970 = 116444736000000000ULL;
        std::printf("painted %llu\npaint %llu\npeak %llu\n", (ticks(now) - kTicksTo1970) / 10,
                    (ticks(now) - ticks(created)) / 10,
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize));
        std::fflush(stdout);
        ::PostQuitMessage(0);
    }
    return result;
}

inline void EndAtFirstPaint(HWND window) {
    ::SetWindowSubclass(window, QuitAfterFirstPaint, 1, 0);
}

// The probes' own window, of the calculator's size and title, standing for nothing but itself.
inline HWND CreateProbeWindow(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    };
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"Probe";
    ::RegisterClassW(&windowClass);
    RECT frame = {0, 0, 346, 343};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    ::AdjustWindowRect(&frame, style, FALSE);
    return ::CreateWindowW(L"Probe", L"Tolvane", style, CW_USEDEFAULT, CW_USEDEFAULT,
                           frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                           instance, nullptr);
}

// Shows the window and runs its messages until its first paint.
inline int ShowUntilFirstPaint(HWND window) {
    EndAtFirstPaint(window);
    ::ShowWindow(window, SW_SHOWNORMAL);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
