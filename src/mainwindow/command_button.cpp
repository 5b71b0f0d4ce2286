#include "mainwindow/command_button.h"

#include <QShortcutEvent>

namespace tolvane {

bool CommandButton::event(QEvent* event) {
    // An ambiguous key (two captions with one letter) only moves the focus, as Qt does it.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

}  // namespace tolvane
