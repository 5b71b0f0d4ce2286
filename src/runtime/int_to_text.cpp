#include "runtime/int_to_text.h"

#include <charconv>

namespace tolvane {

IntText::IntText(std::int32_t value) {
    const auto written = std::to_chars(digits_.data(), digits_.data() + digits_.size(), value);
    length_ = static_cast<std::size_t>(written.ptr - digits_.data());
}

std::string IntToText(std::int32_t value) {
    return std::string(IntText(value).View());
}

}  // namespace tolvane
