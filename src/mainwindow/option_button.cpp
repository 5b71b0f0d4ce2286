#include "mainwindow/option_button.h"

#include <QButtonGroup>
#include <QKeyEvent>

namespace tolvane {

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left: step = -1; break;
        case Qt::Key_Down:
        case Qt::Key_Right: step = 1; break;
        default: break;
    }
    const QList<QAbstractButton*> options =
        group() != nullptr ? group()->buttons() : QList<QAbstractButton*>{};
    if (step == 0 || options.size() < 2 ||
        (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The group lists its options in the order they were added, which is their index order.
    const qsizetype count = options.size();
    QAbstractButton* next = options[(options.indexOf(this) + step + count) % count];
    next->setFocus(Qt::TabFocusReason);
    next->click();
}

}  // namespace tolvane
