#pragma once

#include <QRadioButton>

#include "form/form_layout.h"

namespace tolvane {

// An option of one of the window's option groups, which knows its place in the form. The whole
// box is the target, not just the circle and the caption, and the arrow keys follow the form's
// rule (ArrowTarget) where Qt would move by screen position and stop at the ends.
class OptionButton : public QRadioButton {
    Q_OBJECT

  public:
    OptionButton(ControlRef ref, const QString& caption, QWidget* parent)
        : QRadioButton(caption, parent), ref_(ref) {}

    ControlRef Ref() const { return ref_; }

  protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    ControlRef ref_;
};

}  // namespace tolvane
