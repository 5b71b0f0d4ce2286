#include "runtime/last_char.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(LastChar, IsTheWholeLastUtf8Character) {
    using Case = std::pair<const char*, const char*>;
    for (const auto& [text, last] :
         {Case{"", ""}, Case{"/", "/"}, Case{"/opt/", "/"}, Case{"ab", "b"}, Case{"/ツ", "ツ"},
          Case{"aア", "ア"}, Case{"x𝄞", "𝄞"}, Case{"é", "é"}}) {
        EXPECT_EQ(LastChar(text), last) << text;
    }
}

}  // namespace
}  // namespace tolvane
