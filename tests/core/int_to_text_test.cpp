#include "runtime/int_to_text.h"

#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(IntToText, EveryDigitAndTheSignUpToTheWidestValues) {
    struct Case {
        std::int32_t value;
        std::string text;
    };
    for (const auto& c : {Case{0, "0"}, Case{7, "7"}, Case{-7, "-7"}, Case{465, "465"},
                          Case{std::numeric_limits<std::int32_t>::max(), "2147483647"},
                          Case{std::numeric_limits<std::int32_t>::min(), "-2147483648"}}) {
        EXPECT_EQ(IntText(c.value).View(), c.text);
        EXPECT_EQ(IntToText(c.value), c.text);
    }
}

}  // namespace
}  // namespace tolvane
