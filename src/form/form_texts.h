#pragma once

#include <string_view>

namespace tolvane {

// The title of the window and of every message box.
inline constexpr std::string_view kApplicationTitle = "Tolvane";

// Shown, whatever went wrong, when a conversion fails.
inline constexpr std::string_view kConversionFailedMessage =
    "アルゴリズム内でエラーが発生しました。作者に連絡してください。";

}  // namespace tolvane
