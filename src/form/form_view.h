#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/message.h"

namespace tolvane {

enum class TextBox { Text1, Text2 };

// What the form's handlers need of a window, whatever draws it: a Qt widget on Linux, native
// controls on Windows, a recording fake in the tests. Texts are UTF-8.
class FormView {
  public:
    virtual ~FormView() = default;

    // Whether the given member of the destination group (Option2) is checked.
    virtual bool Option2Checked(std::size_t index) const = 0;
    virtual std::string Text(TextBox box) const = 0;
    virtual void SetText(TextBox box, std::string_view text) = 0;
    // A modal message box titled kApplicationTitle; returns once the user has dismissed it.
    virtual void ShowMessage(std::string_view prompt, MessageStyle style) = 0;
    // Shows the window for the first time.
    virtual void ShowForm() = 0;
};

}  // namespace tolvane
