#pragma once

#include <QIcon>

namespace tolvane {

// The calculator's icon in 16 colours, from 16×16 to 64×64 pixels.
QIcon WindowIcon();

}  // namespace tolvane
