#include "runtime/val_of_text.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

struct Case {
    std::string text;
    double value;
};

void ExpectValues(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        const double value = ValOfText(c.text);
        // Bit-exact, and the sign of zero matters too.
        EXPECT_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << '"' << c.text << '"';
    }
}

TEST(ValOfText, ReadsTheLeadingNumberAndIgnoresTheRest) {
    ExpectValues({
        {"", 0.0},          {"0", 0.0},         {"12", 12.0},    {"  12", 12.0},
        {"\t\r\n7", 7.0},   {"12abc", 12.0},    {"abc", 0.0},    {"abc12", 0.0},
        {"1 2", 1.0},       {"+7", 7.0},        {"-3.5x", -3.5}, {"-0", -0.0},
        {"-", 0.0},         {"+", 0.0},         {".", 0.0},      {"-.", 0.0},
        {".5", 0.5},        {"5.", 5.0},        {"-.25", -0.25}, {"1.2.3", 1.2},
        {"1e3", 1000.0},    {"2E-2", 0.02},     {"1e+2", 100.0}, {"1e", 1.0},
        {"1e+", 1.0},       {"1ex", 1.0},       {"1 e3", 1.0},   {"0x10", 0.0},
        {"&H10", 0.0},      {"--1", 0.0},       {"+-1", 0.0},    {"1,5", 1.0},
        {"00012.50", 12.5}, {"1e0003", 1000.0}, {"5分", 5.0},    {std::string("3\0004", 3), 3.0},
    });
}

TEST(ValOfText, FullWidthFormsReadLikeAscii) {
    ExpectValues({
        {"１２．５", 12.5},
        {"　３", 3.0},
        {"　 \t　１", 1.0},
        {"－２", -2.0},
        {"＋８", 8.0},
        {"１ｅ２", 100.0},
        {"１Ｅ－１", 0.1},
        {"1Ｅ2", 100.0},
        {"１2．5", 12.5},
        {"．５", 0.5},
        {"１，５", 1.0},
        {"一", 0.0},
        {"\xEF\xBC", 0.0},
        {"\xE3\x80", 0.0},
        {"1\xEF", 1.0},
    });
}

TEST(ValOfText, IsCorrectlyRounded) {
    ExpectValues({
        {"0.1", 0.1},
        {"0.01375", 0.01375},
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
        // Halfway between two doubles: ties go to even, unless a later digit breaks the tie.
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740993.00000000000000000000001", 9007199254740994.0},
        {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308},
    });
}

TEST(ValOfText, TooSmallIsZeroTooLargeFails) {
    const std::string manyZeros(100000, '0');
    ExpectValues({
        {"1e-400", 0.0},
        {"-1e-400", -0.0},
        {"0." + manyZeros + "1", 0.0},
        {"1e-99999999999999999999999", 0.0},
        {"0e99999999999999999999", 0.0},
        {"0." + manyZeros + "1e100000", 0.1},
        {"1" + manyZeros + "e-100000", 1.0},
    });
    for (const std::string& text : {std::string("1e309"), std::string("-1e309"),
                                    std::string("1.8e308"), std::string("1e99999999999999999999"),
                                    "1" + manyZeros, "0.00" + manyZeros + "1e100400"}) {
        EXPECT_THROW(ValOfText(text), RuntimeFailure) << text.substr(0, 40);
    }
}

// Under a locale whose decimal separator is a comma the point still separates the fraction.
TEST(ValOfText, IgnoresTheProcessLocale) {
    const auto directory =
        std::filesystem::temp_directory_path() / ("tolvane-locale-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    const std::string build = "localedef -i de_DE -f UTF-8 '" +
                              (directory / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) {
        GTEST_SKIP() << "no German locale source to build a comma-decimal locale from";
    }
    ::setenv("LOCPATH", directory.c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");

    const double half = ValOfText("0.5");
    const double comma = ValOfText("0,5");

    std::setlocale(LC_ALL, "C");
    ::unsetenv("LOCPATH");
    std::filesystem::remove_all(directory);
    EXPECT_EQ(half, 0.5);
    EXPECT_EQ(comma, 0.0);
}

}  // namespace
}  // namespace tolvane
