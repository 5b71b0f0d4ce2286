#pragma once

#include <span>

#include <QFont>

#include "form/form_layout.h"

class QLineEdit;
class QWidget;

namespace tolvane {

// The window's font, in the first Japanese proportional gothic installed, at the form's size:
// every box is fixed in twips and was drawn for such a font, so the window brings its own
// instead of the desktop's, which may be wider, taller or lack Japanese altogether.
QFont WindowFont();
// The unit labels' font: the family they ask for by name where installed, else a stand-in.
QFont UnitLabelFont();

struct CaptionedWidget {
    QWidget* widget;
    ControlRef ref;
};

// Gives the controls the font the form's fitting chooses, starting from `font`. Whether a
// caption fits, Qt measures: its advance within the room its style gives the text, its ink
// inside the control where the style centres the line, and an access key's underline showing.
void FitCaptionFont(std::span<const CaptionedWidget> controls, QFont font);
// Gives the text boxes the largest size of `font`, up to its own, in which a line of typed text
// shows whole: a font with tall ascents and descents, such as Noto Sans CJK JP, would otherwise
// lose the descenders of g, j, p, y and _ at the box's bottom.
void FitTextBoxFont(std::span<QLineEdit* const> boxes, QFont font);

}  // namespace tolvane
