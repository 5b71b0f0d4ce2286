#include "runtime/int_to_text.h"

#include <charconv>

namespace tolvane {

std::string IntToText(std::int32_t value) {
    char buffer[12];  // "-2147483648"
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

}  // namespace tolvane
