#pragma once

#include "runtime/message.h"

class QWidget;

namespace tolvane {

// Shows messages as modal message boxes titled kApplicationTitle, with the information or
// critical icon and one OK button, over the given parent (none before the window exists).
ShowMessage MessageBoxShower(QWidget* parent = nullptr);

}  // namespace tolvane
