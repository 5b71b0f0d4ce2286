#pragma once

#include <functional>

#include "form/form_view.h"

class QWidget;

namespace tolvane {

// Shows the form's messages as Qt's modal message boxes, over `window` once the form says the
// window owns them. The window keeps what this returns, so that the box, its child from then on,
// goes before the window deletes its children.
std::function<void(const Message&)> MessageBoxShower(QWidget* window);

}  // namespace tolvane
