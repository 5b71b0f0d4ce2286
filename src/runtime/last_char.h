#pragma once

#include <string_view>

namespace tolvane {

// The last character of a UTF-8 text (empty for an empty text).
std::string_view LastChar(std::string_view text);

}  // namespace tolvane
