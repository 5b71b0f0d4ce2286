#pragma once

#include <span>

#include <QFont>

#include "form/form_captions.h"
#include "form/form_fonts.h"

class QLineEdit;
class QWidget;

namespace tolvane::qt {

// The window's font, in the first Japanese proportional gothic installed, at the form's size:
// every box is fixed in twips and was drawn for such a font, so the window brings its own
// instead of the desktop's, which may be wider, taller or lack Japanese altogether.
QFont WindowFont();
// The unit labels' font: the family they ask for by name where installed, else a stand-in.
QFont UnitLabelFont();

// `font` at the size and width the form's fitting tries.
QFont Sized(QFont font, const CaptionFont& size);

// What the control's caption draws in `font`, by Qt's metrics.
CaptionExtent MeasureCaption(const QWidget& control, ControlRef ref, const QFont& font);

// Gives the text boxes the largest size of `font`, up to its own, in which a line of typed text
// shows whole: a font with tall ascents and descents, such as Noto Sans CJK JP, would otherwise
// lose the descenders of g, j, p, y and _ at the box's bottom.
void FitTextBoxFont(std::span<QLineEdit* const> boxes, QFont font);

}  // namespace tolvane::qt
