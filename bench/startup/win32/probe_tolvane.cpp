// The calculator started exactly as the program starts it, ending at its first paint.
#include "first_paint.h"
#include "win32window/app.h"
#include "win32window/window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return tolvane::win32::RunCalculator(
        instance, [](tolvane::win32::MainF& window) { EndAtFirstPaint(window.Window()); });
}
