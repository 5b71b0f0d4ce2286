#pragma once

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

// The decimal digits of a 32-bit integer with a leading '-' when negative; no blank, no
// grouping. Held in place, so writing a number into a longer text allocates nothing.
class IntText {
  public:
    // Inline, so that writing a small number costs no more than the digits themselves.
    explicit IntText(std::int32_t value) {
        const auto written = std::to_chars(digits_.data(), digits_.data() + digits_.size(), value);
        length_ = static_cast<std::size_t>(written.ptr - digits_.data());
    }
    std::string_view View() const { return {digits_.data(), length_}; }

  private:
    std::array<char, 11> digits_;  // "-2147483648"
    std::size_t length_;
};

// The same digits as a string of their own.
std::string IntToText(std::int32_t value);

}  // namespace tolvane
