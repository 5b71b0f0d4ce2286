#include "runtime/last_char.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(LastChar, IsTheWholeLastUtf8Character) {
    for (const auto& [text, last] : {std::pair{"", ""},
                                     {"/", "/"},
                                     {"/opt/", "/"},
                                     {"ab", "b"},
                                     {"/ツ", "ツ"},
                                     {"aア", "ア"},
                                     {"x𝄞", "𝄞"},
                                     {"é", "é"}}) {
        EXPECT_EQ(LastChar(text), last) << text;
    }
}

}  // namespace
}  // namespace tolvane
