#pragma once

namespace tolvane {

// The title of the window and of every message box: a message box reads as the calculator's
// own only when it carries the same name as the window.
inline constexpr const char* kApplicationTitle = "Tolvane";

}  // namespace tolvane
