#include "mainwindow/message_box.h"

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include "form/form_texts.h"

namespace tolvane {
namespace {

// One box, made once and shown again for every message: each new box would make and destroy a
// native window, and the window system keeps a little of each for good, so a calculator left
// open all day would grow without end. It stands on its own until the form says the window
// owns it. The answer can be copied: selected with the mouse, or all of it with Ctrl+C, which
// Qt's box only offers on Windows; with nothing selected Ctrl+C copies what the form says.
class CopyableMessageBox : public QMessageBox {
  public:
    explicit CopyableMessageBox(QWidget* window) : window_(window) {
        setWindowTitle(QString::fromUtf8(kApplicationTitle.data(),
                                         static_cast<qsizetype>(kApplicationTitle.size())));
        setStandardButtons(QMessageBox::Ok);
        // Plain text: a sentence echoes whatever the user typed.
        setTextFormat(Qt::PlainText);
        // Selectable by keyboard, or taking the focus on a click to select, the text would keep
        // Ctrl+C and Space from the OK button, in this box and every later one.
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        Label()->setFocusPolicy(Qt::NoFocus);
    }

    void Show(const Message& message) {
        QWidget* owner = message.ownedByWindow ? window_ : nullptr;
        if (parentWidget() != owner) {
            setParent(owner, windowFlags());
        }
        setIcon(message.style == MessageStyle::Critical ? QMessageBox::Critical
                                                        : QMessageBox::Information);
        setText(QString::fromStdString(message.shown));
        copied_ = QString::fromStdString(message.copied);
        button(QMessageBox::Ok)->setFocus();
        exec();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        const QString selected = Label()->selectedText();
        QApplication::clipboard()->setText(selected.isEmpty() ? copied_ : selected);
    }

  private:
    QLabel* Label() const { return findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); }

    QWidget* window_;
    QString copied_;
};

}  // namespace

std::function<void(const Message&)> MessageBoxShower(QWidget* window) {
    // Made when the first message comes, not with the window: giving the box its OK button
    // searches the desktop's icon themes for the button's icon, which cost start-up a third more
    // than the window itself when it was done before the first paint.
    auto box = std::make_shared<std::unique_ptr<CopyableMessageBox>>();
    return [box, window](const Message& message) {
        if (!*box) {
            *box = std::make_unique<CopyableMessageBox>(window);
        }
        (*box)->Show(message);
    };
}

}  // namespace tolvane
