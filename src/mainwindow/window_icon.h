#pragma once

#include <QIcon>

namespace tolvane {

// The calculator's icon in 16 colours, 16×16 and 32×32.
QIcon WindowIcon();

}  // namespace tolvane
