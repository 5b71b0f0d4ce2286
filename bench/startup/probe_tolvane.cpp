// The calculator started exactly as the program starts it, reporting its first paint.
#include "first_paint_probe.h"
#include "qtwindow/app.h"
#include "qtwindow/window.h"

int main(int argc, char* argv[]) {
    FirstPaintProbe probe;
    return tolvane::qt::RunCalculator(
        argc, argv, [&probe](tolvane::qt::MainF& window) { window.installEventFilter(&probe); });
}
