#pragma once

#include "form/form_layout.h"

class QWidget;

namespace tolvane {

// Puts a widget at its place and gives it its caption. Qt scales pixels for high-DPI screens,
// so the twips are turned into pixels at 96 dots per inch.
void ApplyPlacement(QWidget& widget, const TwipPlacement& placement);

}  // namespace tolvane
