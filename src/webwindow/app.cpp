#include "webwindow/app.h"

#include <emscripten.h>

#include "runtime/program_dir.h"
#include "webwindow/window.h"

namespace tolvane::web {
namespace {

MainF* calculator = nullptr;

}  // namespace

void RunCalculator() {
    // Never destroyed: the page ends the program, not the program the page.
    static MainF window(ProgramDir());
    calculator = &window;
    window.Start();
}

}  // namespace tolvane::web

// What the page calls for a checked option or a pressed button, by the control's tab index.
extern "C" EMSCRIPTEN_KEEPALIVE void tolvane_deliver(int tabIndex) {
    if (tolvane::web::calculator != nullptr) {
        tolvane::web::calculator->Deliver(tabIndex);
    }
}
