#include "mainwindow/window_icon.h"

#include <QPixmap>

namespace tolvane {
namespace {
// XPM images are C source: compiling them in spares start-up the search for an image reader.
#include "tolvane-16.xpm"
#include "tolvane-32.xpm"
}  // namespace

QIcon WindowIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(tolvane_16));
    icon.addPixmap(QPixmap(tolvane_32));
    return icon;
}

}  // namespace tolvane
