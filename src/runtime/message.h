#pragma once

#include <functional>
#include <string_view>

namespace tolvane {

// The two kinds of message box the program shows; the numbers are the classic style codes.
enum class MessageStyle { Critical = 16, Information = 64 };

// Shows a modal message with an OK button under the application title and returns once the
// user has dismissed it. The core reports through this so it never depends on a GUI.
using ShowMessage = std::function<void(std::string_view prompt, MessageStyle style)>;

}  // namespace tolvane
