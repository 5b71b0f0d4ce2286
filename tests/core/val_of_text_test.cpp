#include "runtime/val_of_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "common/allocation_count.h"
#include "common/temp_dir.h"
#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

TEST(ValOfText, ReadsTheLeadingNumberCorrectlyRounded) {
    using C = std::pair<std::string, double>;
    const auto expect = [](std::initializer_list<C> cases) {
        for (const auto& [text, expected] : cases) {
            const testing::AllocationCount allocations;
            const double value = ValOfText(text);
            // However long the number, it is read in place.
            EXPECT_EQ(allocations.Made(), 0u) << text.substr(0, 40);
            EXPECT_EQ(value, expected) << text.substr(0, 40);
            EXPECT_EQ(std::signbit(value), std::signbit(expected)) << text.substr(0, 40);
        }
    };
    // Blanks, a sign, digits, a point and an exponent, as far as they form a number.
    expect({C{"", 0.0}, C{"  12", 12.0}, C{"\t-3.5x", -3.5}, C{"\n\r5", 5.0}, C{"+7", 7.0},
            C{"-0", -0.0}, C{"-", 0.0}, C{".", 0.0}, C{".5", 0.5}, C{"5.", 5.0}, C{"1.2.3", 1.2},
            C{"abc12", 0.0}, C{"1 2", 1.0}, C{"0x10", 0.0}, C{"1,5", 1.0}, C{"inf", 0.0},
            C{"nan", 0.0}});
    expect({C{"2E-2", 0.02}, C{"+1e1", 10.0}, C{"+1e10", 1e10}, C{"1e", 1.0}, C{"1e+x", 1.0}});
    // Full-width forms as a Japanese input method types them, but nothing that only looks like
    // them or lies beside them in their block (U+FF00), nor a character cut off at the end of the
    // text, nor anything beyond its end.
    expect({C{"１２．５", 12.5}, C{"９０", 90.0}, C{"　－２", -2.0}, C{"＋１ｅ２", 100.0},
            C{"1Ｅ2", 100.0}, C{"1e２", 100.0}, C{"ア12", 0.0}, C{"１ｐ２", 1.0}, C{"1！2", 1.0},
            C{"一", 0.0}, C{"5分", 5.0}, C{"\xEF\xBC", 0.0}, C{"\xEF\xBC\x80\x31", 0.0}});
    EXPECT_EQ(ValOfText(std::string_view("1２").substr(0, 3)), 1.0);
    EXPECT_EQ(ValOfText(std::string_view("12").substr(0, 1)), 1.0);
    // Correct rounding, ties to even unless a later digit breaks the tie, however far on: here
    // past the 800th significant digit, where the rest of a number is folded into one digit.
    const std::string tie = "1.00000000000000011102230246251565404236316680908203125";  // 1+2^-53
    const std::string far(900, '0');
    expect({C{"0.1000000000000000055511151231257827021181583404541015625", 0.1},
            C{"9007199254740993", 9007199254740992.0},
            C{"9007199254740993.00000000000000000000001", 9007199254740994.0},
            C{"4.9406564584124654e-324", 4.9406564584124654e-324}, C{tie + far, 1.0},
            C{tie + far + "1", 1.0000000000000002},
            C{"9007199254740993." + far + "1", 9007199254740994.0},
            C{"9007199254740993" + far + "e-900", 9007199254740992.0},
            C{"9007199254740993" + far + "1e-901", 9007199254740994.0}});
    // Too small for a double is zero, as is zero whatever its exponent; long texts keep their
    // value; too large for a double fails.
    const std::string zeros(100000, '0');
    expect({C{"-1e-400", -0.0}, C{"0." + zeros + "1", 0.0}, C{"1e-99999999999999999999", 0.0},
            C{"0e99999999999999999999", 0.0}, C{"-.0e-99999", -0.0},
            C{"0." + zeros + "1e100000", 0.1}, C{"1" + zeros + "e-100000", 1.0}});
    for (const auto& text : {std::string("1e309"), std::string("-1.8e308"), "1" + zeros,
                             std::string("1e99999999999999999999"), "0." + zeros + "1e100400"}) {
        EXPECT_THROW(ValOfText(text), RuntimeFailure) << text.substr(0, 40);
    }
}

// Under a locale whose decimal separator is a comma the point still separates the fraction.
TEST(ValOfText, IgnoresTheProcessLocale) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "the web's C library (musl) has '.' for the decimal point in every locale";
#endif
#ifdef _WIN32
    const char* const german = "German_Germany.1252";  // one of the system's own
#else
    // Built for the test from the locale sources, as a machine need not have it.
    testing::TempDir dir;
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + (dir.path() / "de_DE.UTF-8").string() + "' 2>/dev/null";
    if (std::system(build.c_str()) != 0) {
        GTEST_SKIP() << "no German locale source to build a comma-decimal locale from";
    }
    ::setenv("LOCPATH", dir.path().c_str(), 1);
    const char* const german = "de_DE.UTF-8";
#endif
    ASSERT_NE(std::setlocale(LC_ALL, german), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const double half = ValOfText("0.5");
    std::setlocale(LC_ALL, "C");
#ifndef _WIN32
    ::unsetenv("LOCPATH");
#endif
    EXPECT_EQ(half, 0.5);
}

}  // namespace
}  // namespace tolvane
