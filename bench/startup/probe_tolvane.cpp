// The calculator started exactly as the program starts it, reporting its first paint.
#include "first_paint_probe.h"
#include "mainwindow/app.h"
#include "mainwindow/window.h"

int main(int argc, char* argv[]) {
    FirstPaintProbe probe;
    return tolvane::RunCalculator(
        argc, argv, [&probe](tolvane::MainF& window) { window.installEventFilter(&probe); });
}
