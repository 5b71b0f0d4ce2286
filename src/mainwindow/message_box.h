#pragma once

#include "runtime/message.h"

class QWidget;

namespace tolvane {

// The title of the window and of every message box.
inline constexpr const char* kApplicationTitle = "Tolvane";

// Shows messages as modal message boxes titled "Tolvane", with the information or critical
// icon and one OK button, over the given parent (none before the window exists).
ShowMessage MessageBoxShower(QWidget* parent = nullptr);

}  // namespace tolvane
