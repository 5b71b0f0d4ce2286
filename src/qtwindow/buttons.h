#pragma once

#include <optional>

#include <QPushButton>
#include <QRadioButton>

#include "form/form_keyboard.h"
#include "form/form_layout.h"

namespace tolvane::qt {

// The form's name for a Qt key, where the form has a rule for it.
std::optional<Key> FormKeyOf(int qtKey);

// An option, which knows its place in the form. Its whole box is the target, and the arrow keys
// follow the form's ArrowTarget, where Qt would move by screen position and stop at the ends.
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
// the form converts what the window held when the key went down: Qt's buttons act only after a
// tenth of a second's animated click, and a key typed meanwhile (Down on an option, a digit in
// a box) would change what is converted; a key after the button acted finds the message box up,
// and is dropped as every key is then. Enter and Escape press nothing, as the form says.
class CommandButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tolvane::qt
