#include <QApplication>

#include "mainwindow/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Matches the desktop entry, so the desktop groups the window under it.
    QApplication::setApplicationName(QStringLiteral("tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("tolvane"));

    tolvane::MainF window;
    // The rate table is read before the window is first seen; a message about it comes first.
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
