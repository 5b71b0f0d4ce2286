#include "mainwindow/window_icon.h"

#include <QPixmap>

namespace tolvane {
namespace {
// XPM images are C source: compiling them in spares start-up the search for an image reader.
#include "tolvane-16.xpm"
#include "tolvane-24.xpm"
#include "tolvane-32.xpm"
#include "tolvane-48.xpm"
#include "tolvane-64.xpm"
}  // namespace

QIcon WindowIcon() {
    // Every size a title bar or task bar asks for at scales 1 to 2, each drawn for its size.
    QIcon icon;
    for (const char* const* image : {tolvane_16, tolvane_24, tolvane_32, tolvane_48, tolvane_64}) {
        icon.addPixmap(QPixmap(image));
    }
    return icon;
}

}  // namespace tolvane
