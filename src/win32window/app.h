#pragma once

#include <windows.h>

#include <functional>

namespace tolvane::win32 {

class MainF;

// Runs the calculator as the program does: the window, the rate table (its message, if any,
// before the window appears), then the message loop until the window is closed. `beforeShow`
// lets a caller look at the window before it is first shown.
int RunCalculator(HINSTANCE instance, const std::function<void(MainF&)>& beforeShow = {});

}  // namespace tolvane::win32
