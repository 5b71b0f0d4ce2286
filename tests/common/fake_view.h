#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/form_view.h"
#include "runtime/runtime_failure.h"

namespace tolvane::testing {

// A window without a window system: two text boxes, the destination group, and a log of what
// the form did to it, in order. Each message records the boxes as they stood while it was up;
// the last one is kept whole.
class FakeView : public FormView {
  public:
    std::array<std::string, 2> texts{"0", "0"};
    bool ordinaryChecked = true;       // Option2[0]; Option2[1] is its opposite
    bool failInformation = false;      // the information box fails, as a window system may
    std::function<void()> whileShown;  // runs while a message is up, as a nested event loop may
    std::vector<std::string> log;
    Message last{};

    bool Checked(ControlRef option) const override {
        return option.index == 0 ? ordinaryChecked : !ordinaryChecked;
    }
    std::string Text(TextBox box) const override { return texts.at(Index(box)); }
    void SetText(TextBox box, std::string_view text) override {
        texts.at(Index(box)) = text;
        log.push_back("Text" + std::to_string(Index(box) + 1) + "=" + std::string(text));
    }
    void ShowMessage(const Message& message) override {
        last = message;
        log.push_back((message.style == MessageStyle::Critical ? "critical:" : "information:") +
                      message.shown + " [" + texts[0] + "|" + texts[1] + "]");
        if (whileShown) {
            std::exchange(whileShown, {})();
        }
        if (failInformation && message.style == MessageStyle::Information) {
            throw RuntimeFailure("the box could not be shown");
        }
    }
    void ShowForm() override { log.emplace_back("shown"); }

  private:
    static std::size_t Index(TextBox box) { return box == TextBox::Text1 ? 0 : 1; }
};

}  // namespace tolvane::testing
