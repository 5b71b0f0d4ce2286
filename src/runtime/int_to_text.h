#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvane {

// The decimal digits of a 32-bit integer with a leading '-' when negative; no blank, no
// grouping. Held in place, so writing a number into a longer text allocates nothing.
class IntText {
  public:
    explicit IntText(std::int32_t value);
    std::string_view View() const { return {digits_.data(), length_}; }

  private:
    std::array<char, 11> digits_;  // "-2147483648"
    std::size_t length_;
};

// The same digits as a string of their own.
std::string IntToText(std::int32_t value);

}  // namespace tolvane
