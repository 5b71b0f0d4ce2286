#include "startup/start_up.h"

#include "ratetable/rate_table_file.h"
#include "runtime/last_char.h"
#include "runtime/system_path.h"

namespace tolvane {

void PrepareAtStartUp(TariffState& state, const ShowMessage& showMessage,
                      std::string_view programDir) {
    state.AppDir = programDir;
    // A root directory already ends in the separator and keeps just that one.
    if (LastChar(state.AppDir) != std::string_view(&kPathSeparator, 1)) {
        state.AppDir += kPathSeparator;
    }
    LoadRateTable(state, showMessage);
    state.ResetSelections();
}

}  // namespace tolvane
