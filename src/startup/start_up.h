#pragma once

#include <string_view>

#include "runtime/message.h"
#include "tariff/tariff_state.h"

namespace tolvane {

// Prepares the state before the window is first seen: the program directory with its
// trailing separator (kPathSeparator), the rate table from that directory (a failure is shown
// through showMessage and start-up goes on), then the start-up selections.
void PrepareAtStartUp(TariffState& state, const ShowMessage& showMessage,
                      std::string_view programDir);

}  // namespace tolvane
