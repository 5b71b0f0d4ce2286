#include "qtwindow/buttons.h"

#include <QKeyEvent>
#include <QShortcutEvent>

namespace tolvane::qt {

std::optional<Key> FormKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Up: return Key::Up;
        case Qt::Key_Down: return Key::Down;
        case Qt::Key_Left: return Key::Left;
        case Qt::Key_Right: return Key::Right;
        case Qt::Key_Return:
        case Qt::Key_Enter: return Key::Enter;
        case Qt::Key_Escape: return Key::Escape;
        default: return std::nullopt;
    }
}

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> key = FormKeyOf(event->key());
    const ControlRef to = key ? ArrowTarget(ref_, *key) : ref_;
    if (to == ref_ || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The group is the options of this one's frame.
    for (auto* next : parentWidget()->findChildren<OptionButton*>()) {
        if (next->ref_ == to) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
        }
    }
}

bool CommandButton::event(QEvent* event) {
    // An ambiguous key (two captions with one letter) only moves the focus, as Qt does it.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<Key> key = FormKeyOf(event->key()); key && PressesNothing(*key)) {
        event->ignore();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace tolvane::qt
