#include "qtwindow/app.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

#include "qtwindow/fonts.h"
#include "qtwindow/window.h"
#include "runtime/program_dir.h"

namespace tolvane::qt {
namespace {
// XPM images are C source: compiling them in spares start-up the search for an image reader.
#include "tolvane-16.xpm"
#include "tolvane-24.xpm"
#include "tolvane-32.xpm"
#include "tolvane-48.xpm"
#include "tolvane-64.xpm"
}  // namespace

void PrepareApplication(QApplication& application) {
    // Matches the desktop entry, so the desktop groups the window under it.
    QApplication::setApplicationName(QStringLiteral("tolvane"));
    QApplication::setDesktopFileName(QStringLiteral("tolvane"));
    // Qt's own texts (a text box's context menu, its shortcuts) in Japanese like the rest,
    // whatever the locale; without Debian's translations installed they stay in English.
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    // Qt lays out a text box in the application's font before the box takes the window's, and
    // would load the desktop's font for nothing; the message boxes use it as well.
    QApplication::setFont(WindowFont());
    // Every size a title bar or task bar asks for at scales 1 to 2, each drawn for its size; the
    // application's, so that a message box shown before the window has it too.
    QIcon icon;
    for (const char* const* image : {tolvane_16, tolvane_24, tolvane_32, tolvane_48, tolvane_64}) {
        icon.addPixmap(QPixmap(image));
    }
    QApplication::setWindowIcon(icon);
}

int RunCalculator(int& argc, char** argv, const std::function<void(MainF&)>& beforeShow) {
    QApplication application(argc, argv);
    PrepareApplication(application);
    MainF window(ProgramDir(argc > 0 ? argv[0] : ""));
    if (beforeShow) {
        beforeShow(window);
    }
    // The rate table is read before the window is first seen; a message about it comes first.
    window.Start();
    return QApplication::exec();
}

}  // namespace tolvane::qt
