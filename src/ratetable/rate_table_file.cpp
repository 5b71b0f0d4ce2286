#include "ratetable/rate_table_file.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "runtime/error_trap.h"
#include "runtime/input_file.h"
#include "runtime/input_integers.h"

namespace tolvane {

void LoadRateTable(TariffState& state, const ShowMessage& showMessage) {
    ErrorTrap(
        [&state] {
            InputFile file = OpenForInput(state.AppDir + "table.csv");
            for (std::int16_t band = 0; band < kTimeBandCount; ++band) {
                std::array<std::int16_t, kDistanceBandCount> row{};
                InputIntegers(file, row);
                std::copy(row.begin(), row.end(),
                          state.RateTable.begin() +
                              static_cast<std::ptrdiff_t>(RateTablePosition(0, band)));
            }
            // Nothing after the 24th value is read; the file closes here, as on every path.
        },
        showMessage, kRateTableFileMessage);
}

}  // namespace tolvane
