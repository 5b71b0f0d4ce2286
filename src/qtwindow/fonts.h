#pragma once

#include <span>

#include <QFont>

#include "form/form_captions.h"
#include "form/form_fonts.h"

class QLineEdit;
class QWidget;

namespace tolvane::qt {

// The window's font, in the first Japanese proportional gothic installed, at the form's size:
// the boxes, fixed in twips, were drawn for such a font, not for the desktop's.
QFont WindowFont();
// The unit labels' font: the family they ask for by name where installed, else a stand-in.
QFont UnitLabelFont();

// For the form's fitting: `font` at a size it tries, and what a caption draws in it, by Qt.
QFont Sized(QFont font, const CaptionFont& size);
CaptionExtent MeasureCaption(const QWidget& control, ControlRef ref, const QFont& font);

// Gives the text boxes the largest size of `font`, up to its own, whose line shows whole: tall
// fonts such as Noto Sans CJK JP would lose the descenders of g, j, p, y and _.
void FitTextBoxFont(std::span<QLineEdit* const> boxes, QFont font);

}  // namespace tolvane::qt
