#pragma once

#include <optional>

#include <QPushButton>
#include <QRadioButton>

#include "form/form_keyboard.h"
#include "form/form_layout.h"

namespace tolvane::qt {

// The form's name for a Qt key, where the form has a rule for it.
std::optional<Key> FormKeyOf(int qtKey);

// An option of one of the window's option groups, which knows its place in the form. The whole
// box is the target, not just the circle and the caption, and the arrow keys follow the form's
// rule (ArrowTarget) where Qt would move by screen position and stop at the ends.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    OptionButton(ControlRef ref, const QString& caption, QWidget* parent)
        : QRadioButton(caption, parent), ref_(ref) {}

  protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ControlRef ref_;
};

// A conversion button. Its access key presses it at once, as the desktop's dialogs do, so that
// the form converts what the window held when the key went down: Qt's own buttons show an
// access key as a click animated over a tenth of a second and only then act, and a key typed
// meanwhile (Down on an option, a digit in a box) would change what is converted. A key that
// comes once the button has acted finds the message box up, and is dropped as every key is
// while a box is up. The keys the form says press nothing, Enter and Escape, do not press it.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tolvane::qt
