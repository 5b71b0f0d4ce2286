#include "mainwindow/message_box.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include "mainwindow/application_title.h"

namespace tolvane {
namespace {

// A sentence echoes whatever was typed, which may be a pasted megabyte. A message box cannot
// show that usefully (laying it out alone takes seconds, and the box outgrows any screen), so
// a very long prompt shows its beginning and its end, where the answer is.
QString DisplayablePrompt(std::string_view prompt) {
    constexpr qsizetype kLongest = 200;
    constexpr qsizetype kHead = 120;
    constexpr qsizetype kTail = 60;
    const QString text = QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size()));
    if (text.size() <= kLongest) {
        return text;
    }
    return text.first(kHead) + QChar(u'…') + text.last(kTail);
}

}  // namespace

ShowMessage MessageBoxShower(QWidget* parent) {
    return [guardedParent = QPointer<QWidget>(parent)](std::string_view prompt,
                                                       MessageStyle style) {
        const auto icon =
            style == MessageStyle::Critical ? QMessageBox::Critical : QMessageBox::Information;
        QMessageBox box(
            icon, QString::fromUtf8(kApplicationTitle), DisplayablePrompt(prompt), QMessageBox::Ok,
            // Before the window is shown (the table message at start-up) the box
            // stands on its own.
            guardedParent && guardedParent->isVisible() ? guardedParent.data() : nullptr);
        // The prompt is plain text: a sentence echoes whatever the user typed.
        box.setTextFormat(Qt::PlainText);
        box.exec();
    };
}

}  // namespace tolvane
