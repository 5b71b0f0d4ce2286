#include "mainwindow/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

namespace tolvane {

ShowMessage MessageBoxShower(QWidget* parent) {
    return
        [guardedParent = QPointer<QWidget>(parent)](std::string_view prompt, MessageStyle style) {
            const auto icon =
                style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::Information;
            QMessageBox box(
                icon, QString::fromUtf8(kApplicationTitle),
                QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())),
                QMessageBox::Ok,
                // Before the window is shown (the table message at start-up) the box
                // stands on its own.
                guardedParent && guardedParent->isVisible() ? guardedParent.data() : nullptr);
            // The prompt is plain text: a sentence echoes whatever the user typed.
            box.setTextFormat(Qt::PlainText);
            box.exec();
        };
}

}  // namespace tolvane
