#pragma once

#include <string_view>

#include "runtime/message.h"
#include "tariff/tariff_state.h"

namespace tolvane {

// The text shown, whatever went wrong, when the rate table cannot be read in full.
inline constexpr std::string_view kRateTableFileMessage =
    "料金設定ファイル(table.csv)がありません。再インストールしてください。";

// Reads AppDir + "table.csv" into the rate table: 24 whole numbers, one time band of six
// distance bands at a time. A time band is stored only once all six of its values have been
// read. On any failure it shows kRateTableFileMessage once, as a critical message, and returns
// normally with the bands read so far; it never throws.
void LoadRateTable(TariffState& state, const ShowMessage& showMessage);

}  // namespace tolvane
