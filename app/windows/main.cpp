#include <windows.h>

#include "win32window/app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return tolvane::win32::RunCalculator(instance);
}
