#include "mainwindow/window_layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tolvane {

void ApplyPlacement(QWidget& widget, const TwipPlacement& placement) {
    constexpr int kTwips = kTwipsPerPixelAt96Dpi;
    widget.setGeometry(placement.left / kTwips, placement.top / kTwips, placement.width / kTwips,
                       placement.height / kTwips);
    const QString caption = QString::fromUtf8(placement.caption);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
    } else if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        box->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(caption);
    }
}

}  // namespace tolvane
