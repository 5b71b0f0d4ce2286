#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// Decimal digits with a leading '-' when negative; no blank, no grouping.
std::string IntToText(std::int32_t value);

}  // namespace tolvane
