// Writes a PNG of the calculator's window as it first appears, for the README.
// Usage: tolvane_screenshot [output.png]   (runs on the offscreen platform unless told otherwise)
#include <cstdio>

#include <QApplication>
#include <QPixmap>
#include <QString>

#include "qtwindow/window.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QString output =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshot.png");

    tolvane::qt::MainF window;  // with the shipped table beside the tool
    window.Start();
    QApplication::processEvents();
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
