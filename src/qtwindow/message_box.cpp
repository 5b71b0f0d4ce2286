#include "qtwindow/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "form/form_texts.h"

namespace tolvane::qt {

CopyableMessageBox::CopyableMessageBox(QWidget* window) : window_(window) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setStandardButtons(QMessageBox::Ok);
    // Plain text: a sentence echoes whatever the user typed.
    setTextFormat(Qt::PlainText);
    // Selectable by keyboard, or taking the focus on a click to select, the text would keep
    // Ctrl+C and Space from the OK button, in this box and every later one.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label()->setFocusPolicy(Qt::NoFocus);
}

void CopyableMessageBox::Show(const Message& message) {
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

void CopyableMessageBox::keyPressEvent(QKeyEvent* event) {
    if (!event->matches(QKeySequence::Copy)) {
        QMessageBox::keyPressEvent(event);
        return;
    }
    const QString selected = Label()->selectedText();
    QApplication::clipboard()->setText(selected.isEmpty() ? copied_ : selected);
}

QLabel* CopyableMessageBox::Label() const {
    return findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
}

}  // namespace tolvane::qt
