#pragma once

#include <QMessageBox>

#include "form/form_view.h"

class QLabel;

namespace tolvane::qt {

// One box, made once and shown again for every message: each new box would make and destroy a
// native window, of which the window system keeps a little for good. It stands on its own until
// the form says the window owns it. Its text can be selected with the mouse, and Ctrl+C, which
// Qt's box only offers on Windows, copies the selection or, with none, what the form says.
// The window makes it when the first message comes: giving the box its OK button searches the
// icon themes for the button's icon, which cost start-up a third more when done before.
class CopyableMessageBox : public QMessageBox {
  public:
    explicit CopyableMessageBox(QWidget* window);
    // Returns once the user has dismissed the box.
    void Show(const Message& message);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QLabel* Label() const;

    QWidget* window_;
    QString copied_;
};

}  // namespace tolvane::qt
