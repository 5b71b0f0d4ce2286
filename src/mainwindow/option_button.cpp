#include "mainwindow/option_button.h"

#include <optional>

#include <QKeyEvent>

#include "form/form_keyboard.h"

namespace tolvane {
namespace {

std::optional<Key> ArrowOf(int key) {
    switch (key) {
        case Qt::Key_Up: return Key::Up;
        case Qt::Key_Down: return Key::Down;
        case Qt::Key_Left: return Key::Left;
        case Qt::Key_Right: return Key::Right;
        default: return std::nullopt;
    }
}

}  // namespace

bool OptionButton::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void OptionButton::keyPressEvent(QKeyEvent* event) {
    const std::optional<Key> arrow = ArrowOf(event->key());
    if (!arrow || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    // The group is the options of this one's frame.
    for (auto* next : parentWidget()->findChildren<OptionButton*>()) {
        if (next->ref_ == ArrowTarget(ref_, *arrow)) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
        }
    }
}

}  // namespace tolvane
