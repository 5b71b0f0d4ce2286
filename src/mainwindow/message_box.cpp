#include "mainwindow/message_box.h"

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>

#include "form/displayable_prompt.h"
#include "form/form_texts.h"

namespace tolvane {
namespace {

// The answer can be copied: selected with the mouse, or all of it with Ctrl+C, which Qt's box
// only offers on Windows. (Selectable by keyboard, the text would take the focus, and with it
// Ctrl+C, from the OK button.) Ctrl+C with nothing selected copies the whole message, even
// when the box shows it shortened: a user copying the answer wants the sentence they asked for.
class CopyableMessageBox : public QMessageBox {
  public:
    explicit CopyableMessageBox(QWidget* parent) : QMessageBox(parent) {
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        // A click to select would otherwise give the text the focus for good: the box is shown
        // again with it there, where Ctrl+C and Space do nothing.
        if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            label->setFocusPolicy(Qt::NoFocus);
        }
    }

    void SetPrompt(std::string_view prompt) {
        prompt_ = QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size()));
        setText(QString::fromStdString(DisplayablePrompt(prompt)));
        // Every message opens with OK focused, whatever had the focus when it last closed.
        button(QMessageBox::Ok)->setFocus();
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        const auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QString selected = label != nullptr ? label->selectedText() : QString();
        QApplication::clipboard()->setText(selected.isEmpty() ? prompt_ : selected);
    }

  private:
    QString prompt_;
};

// One box, made once and shown again for every message: each new box would make and destroy a
// native window, and the window system keeps a little of each for good, so a calculator left
// open all day would grow without end.
std::unique_ptr<CopyableMessageBox> MakeBox(QWidget* parent) {
    auto box = std::make_unique<CopyableMessageBox>(parent);
    box->setWindowTitle(QString::fromUtf8(kApplicationTitle.data(),
                                          static_cast<qsizetype>(kApplicationTitle.size())));
    box->setStandardButtons(QMessageBox::Ok);
    // The prompt is plain text: a sentence echoes whatever the user typed.
    box->setTextFormat(Qt::PlainText);
    return box;
}

class MessageBoxes {
  public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}

    void Show(std::string_view prompt, MessageStyle style) {
        CopyableMessageBox& box = Box();
        box.setIcon(style == MessageStyle::Critical ? QMessageBox::Critical
                                                    : QMessageBox::Information);
        box.SetPrompt(prompt);
        box.exec();
    }

  private:
    // Before the window is shown (the table message at start-up) the box stands on its own;
    // afterwards it belongs to the window, which owns and ends it.
    CopyableMessageBox& Box() {
        if (parent_ != nullptr && parent_->isVisible()) {
            if (overWindow_ == nullptr) {
                overWindow_ = MakeBox(parent_).release();
            }
            return *overWindow_;
        }
        if (standalone_ == nullptr) {
            standalone_ = MakeBox(nullptr);
        }
        return *standalone_;
    }

    QPointer<QWidget> parent_;
    QPointer<CopyableMessageBox> overWindow_;
    std::unique_ptr<CopyableMessageBox> standalone_;
};

}  // namespace

ShowMessage MessageBoxShower(QWidget* parent) {
    auto boxes = std::make_shared<MessageBoxes>(parent);
    return [boxes](std::string_view prompt, MessageStyle style) { boxes->Show(prompt, style); };
}

}  // namespace tolvane
