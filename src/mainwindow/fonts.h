#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace tolvane {

// The first of `families` that is installed, else the first. A font that names only the family
// it will be drawn in spares Qt a search of the desktop's fonts for each missing family, and for
// each one's stand-ins, in every script a caption uses: most of what the window's text cost to
// start with.
QString InstalledFamily(const QStringList& families);

// Every box in the window is fixed in twips and was drawn for a 9-point Japanese proportional
// gothic, so the window brings its own font instead of the desktop's, which may be wider,
// taller or lack Japanese altogether.
QFont WindowFont();

// Gives the controls `font`, or where a caption does not fit, the least narrowed or smaller
// version of it in which all of theirs do: controls that belong together keep one look. A
// caption fits when its advance fits the room its style gives the text, its ink lies inside the
// control where the style centres the line, and a mnemonic's underline shows.
void FitCaptionFont(const QList<QWidget*>& controls, const QFont& font);

}  // namespace tolvane
