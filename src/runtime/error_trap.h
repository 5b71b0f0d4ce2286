#pragma once

#include <string_view>
#include <utility>

#include "runtime/message.h"

namespace tolvane {

// Runs a procedure under an error trap: any failure inside it is cleared and reported as the
// procedure's one fixed critical message, and the procedure ends normally.
template <typename Procedure>
void ErrorTrap(Procedure&& procedure, const ShowMessage& showMessage,
               std::string_view failureText) {
    try {
        std::forward<Procedure>(procedure)();
        return;
    } catch (...) {
        // Any failure at all: the user gets the same message whatever the cause.
    }
    showMessage(failureText, MessageStyle::Critical);
}

}  // namespace tolvane
