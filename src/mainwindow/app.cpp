#include "mainwindow/calculator_app.h"

#include <QApplication>

#include "mainwindow/caption_font.h"
#include "mainwindow/main_window.h"
#include "mainwindow/qt_translations.h"
#include "runtime/program_dir.h"

namespace tolvane {

int RunCalculator(int& argc, char** argv, const std::function<void(MainF&)>& beforeShow) {
    QApplication application(argc, argv);
    // Matches the desktop entry, so the desktop groups the window under it.
    QApplication::setApplicationName(QStringLiteral("tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("tolvane"));
    InstallJapaneseQtTexts(application);
    // Qt lays out a text box's contents in the application's font before the box takes the
    // window's, and so would load the desktop's font for nothing; the message boxes use the
    // window's font as well.
    QApplication::setFont(WindowFont());

    MainF window({}, ProgramDir(argc > 0 ? argv[0] : ""));
    if (beforeShow) {
        beforeShow(window);
    }
    // The rate table is read before the window is first seen; a message about it comes first.
    window.Start();
    return QApplication::exec();
}

}  // namespace tolvane
