#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace tolvane {

// Every box in the window is fixed in twips and was drawn for a 9-point Japanese proportional
// gothic, so the window brings its own font instead of the desktop's, which may be wider,
// taller or lack Japanese altogether.
QFont WindowFont();

// The caption a control shows, its mnemonic marker included ("&A"), or an empty text.
QString CaptionOf(const QWidget& control);

// The part of a control its style gives the caption, in the control's own coordinates.
QRect CaptionRoom(const QWidget& control);

// Whether `font` draws the control's caption whole: its advance fits the room, its ink lies
// inside the control where the style centres the line, and a mnemonic's underline shows.
bool CaptionFits(const QWidget& control, const QFont& font);

// Gives the controls `font`, or where a caption does not fit, the least narrowed or smaller
// version of it in which all of theirs do: controls that belong together keep one look.
void FitCaptionFont(const QList<QWidget*>& controls, const QFont& font);

}  // namespace tolvane
