#pragma once

#include <QPushButton>

namespace tolvane {

// A conversion button. Its access key presses it at once, as the desktop's dialogs do, so that
// the form converts what the window held when the key went down: Qt's own buttons show an
// access key as a click animated over a tenth of a second and only then act, and a key typed
// meanwhile (Down on an option, a digit in a box) would change what is converted. A key that
// comes once the button has acted finds the message box up, and is dropped as every key is
// while a box is up.
class CommandButton : public QPushButton {
    Q_OBJECT

  public:
    using QPushButton::QPushButton;

  protected:
    bool event(QEvent* event) override;
};

}  // namespace tolvane
