#pragma once

#include <QRadioButton>

namespace tolvane {

// An option of one of the window's option groups. The whole box is the target, not just the
// circle and the caption, and the arrow keys walk the group in index order, wrapping around:
// Up and Left to the previous option, Down and Right to the next. Qt itself would move by
// screen position and stop at the edges, which in a two-column group skips options.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tolvane
