#pragma once

#include <windows.h>

#include "form/form_view.h"

namespace tolvane {

// The system's own box for a message, owned by `owner` or by none; returns once dismissed.
void ShowMessageBox(HWND owner, const Message& message);

}  // namespace tolvane
