#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "form/form_layout.h"
#include "runtime/message.h"

namespace tolvane {

enum class TextBox { Text1, Text2 };
constexpr ControlRef ControlOf(TextBox box) {
    return {box == TextBox::Text1 ? ControlArray::Text1 : ControlArray::Text2, 0};
}

// A message as every face presents it: a modal box titled kApplicationTitle with the style's
// icon and one OK button.
struct Message {
    std::string shown;   // the prompt as the box shows it (DisplayablePrompt)
    std::string copied;  // what Ctrl+C copies with nothing selected: the prompt as it is
    MessageStyle style;
    // Once the window has been shown a box belongs to it and blocks it; before (the table's
    // message at start-up) it stands on its own, since there is no window yet to see.
    bool ownedByWindow;
};

// What the form needs of a window, whatever draws it: Qt's widgets on Linux, native controls on
// Windows, a page in a browser, a recording fake in the tests. Texts are UTF-8. The face draws,
// measures and delivers its controls' events to FormLogic::Click; the form decides the rest.
class FormView {
  public:
    virtual ~FormView() = default;

    // Whether the given option is checked (the form asks only of the destination group).
    virtual bool Checked(ControlRef option) const = 0;
    virtual std::string Text(TextBox box) const = 0;
    virtual void SetText(TextBox box, std::string_view text) = 0;
    // Returns once the user has dismissed the box.
    virtual void ShowMessage(const Message& message) = 0;
    // Shows the window for the first time, the focus on kFirstFocus.
    virtual void ShowForm() = 0;
};

}  // namespace tolvane
