#include "mainwindow/calculator_app.h"

#include <QApplication>

#include "mainwindow/main_window.h"
#include "mainwindow/qt_translations.h"

namespace tolvane {

int RunCalculator(int& argc, char** argv, const std::function<void(MainF&)>& beforeShow) {
    QApplication application(argc, argv);
    // Matches the desktop entry, so the desktop groups the window under it.
    QApplication::setApplicationName(QStringLiteral("tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("tolvane"));
    InstallJapaneseQtTexts(application);

    MainF window;
    if (beforeShow) {
        beforeShow(window);
    }
    // The rate table is read before the window is first seen; a message about it comes first.
    window.Start();
    return QApplication::exec();
}

}  // namespace tolvane
