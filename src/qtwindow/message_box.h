#pragma once

#include <QMessageBox>
#include <QString>

#include "form/form_view.h"

class QLabel;

namespace tolvane::qt {

// One box, made once and shown again for every message: each new box would make and destroy a
// native window, and the window system keeps a little of each for good, so a calculator left
// open all day would grow without end. It stands on its own until the form says the window
// owns it. The answer can be copied: selected with the mouse, or all of it with Ctrl+C, which
// Qt's box only offers on Windows; with nothing selected Ctrl+C copies what the form says.
// The window makes it when the first message comes, not with itself: giving the box its OK
// button searches the desktop's icon themes for the button's icon, which cost start-up a third
// more than the window itself when it was done before the first paint.
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
