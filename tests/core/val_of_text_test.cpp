#include "runtime/val_of_text.h"

#include <unistd.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "common/temp_dir.h"
#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(ValOfText, ReadsTheLeadingNumberCorrectlyRounded) {
    const std::string zeros(100000, '0');
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"", 0.0},
        {"  12", 12.0},
        {"\t-3.5x", -3.5},
        {"+7", 7.0},
        {"-0", -0.0},
        {"-", 0.0},
        {".", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"1.2.3", 1.2},
        {"abc12", 0.0},
        {"1 2", 1.0},
        {"2E-2", 0.02},
        {"1e", 1.0},
        {"1e+x", 1.0},
        {"0x10", 0.0},
        {"1,5", 1.0},
        {"5分", 5.0},
        // What a Japanese input method types.
        {"１２．５", 12.5},
        {"　－２", -2.0},
        {"＋１ｅ２", 100.0},
        {"1Ｅ2", 100.0},
        {"一", 0.0},
        {"\xEF\xBC", 0.0},
        // Correct rounding, ties to even unless a later digit breaks the tie.
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993.00000000000000000000001", 9007199254740994.0},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        // Too small for a double is zero; long texts keep their value.
        {"-1e-400", -0.0},
        {"0." + zeros + "1", 0.0},
        {"1e-99999999999999999999", 0.0},
        {"0." + zeros + "1e100000", 0.1},
        {"1" + zeros + "e-100000", 1.0},
    };
    for (const auto& c : cases) {
        const double value = ValOfText(c.text);
        EXPECT_EQ(value, c.value) << c.text.substr(0, 40);
        EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << c.text.substr(0, 40);
    }
    for (const auto& text : {std::string("1e309"), std::string("1.8e308"), "1" + zeros,
                             std::string("1e99999999999999999999"), "0." + zeros + "1e100400"}) {
        EXPECT_THROW(ValOfText(text), RuntimeFailure) << text.substr(0, 40);
    }
}

// Under a locale whose decimal separator is a comma the point still separates the fraction.
TEST(ValOfText, IgnoresTheProcessLocale) {
    testing::TempDir dir;
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + (dir.path() / "de_DE.UTF-8").string() + "' 2>/dev/null";
    if (std::system(build.c_str()) != 0) {
        GTEST_SKIP() << "no German locale source to build a comma-decimal locale from";
    }
    ::setenv("LOCPATH", dir.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const double half = ValOfText("0.5");
    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
    EXPECT_EQ(half, 0.5);
}

}  // namespace
}  // namespace tolvane
