// A message box in the browser is a promise: C++ waits for it through Asyncify, which unwinds
// the stack to JavaScript and rewinds it when the box is closed. Here a handler shows a box
// through a virtual call, waits, and fails after the wait; the program's error trap around the
// whole handler must still catch that failure, and then be able to wait for the error box in
// turn. Emscripten's tracker has reports of such exceptions escaping after a wait, so this stays
// tested on the toolchain in use.
#include <emscripten.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/error_trap.h"
#include "runtime/message.h"

// Resolves from a timer, later in the event loop, as a user's click would: with 1, "OK". It waits
// as the page's box does (page.js): through Asyncify.handleAsync, from a JavaScript function the
// link names in ASYNCIFY_IMPORTS. (Its body is JavaScript, which clang-format would take for C++.)
// clang-format off
EM_JS(int, WaitForBox, (), {
    return Asyncify.handleAsync(() => new Promise(resolve => setTimeout(() => resolve(1), 5)));
});
// clang-format on

namespace {

using tolvane::MessageStyle;

struct View {
    virtual ~View() = default;
    virtual void ShowMessage(std::string_view prompt, MessageStyle style) = 0;
};

struct BoxView final : View {
    // Each step once, with the wait in between: that needs WaitForBox named among the imports
    // that may wait, as the page's ShowBoxJs is; without, this function is not rewound (it traps).
    void ShowMessage(std::string_view prompt, MessageStyle) override {
        log += std::string(prompt) + " shown,";
        log += WaitForBox() == 1 ? " closed;" : " not closed;";
    }
    std::string log;
};

void Handler(View& view) {
    view.ShowMessage("answer", MessageStyle::Information);
    throw std::runtime_error("failed after the wait");
}

}  // namespace

int main() {
    BoxView box;
    View& view = box;
    tolvane::ErrorTrap(
        [&] { Handler(view); },
        [&](std::string_view prompt, MessageStyle style) { view.ShowMessage(prompt, style); },
        "trapped");
    const std::string expected = "answer shown, closed;trapped shown, closed;";
    if (box.log != expected) {
        std::printf("expected: %s\nhappened: %s\n", expected.c_str(), box.log.c_str());
        return 1;
    }
    return 0;
}
