#include "form/displayable_prompt.h"

#include <string>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

TEST(DisplayablePrompt, ShowsUpTo200CharactersWholeAndLongerOnesByHeadAndTail) {
    // Characters of one byte, each told apart by its place, and of three: 200 kanji are 600
    // bytes, yet short enough to show whole.
    for (const bool kanji : {false, true}) {
        SCOPED_TRACE(kanji);
        std::string text;
        for (std::size_t i = 0; i < 201; ++i) {
            text += kanji ? (i % 2 == 0 ? "円" : "分")
                          : std::string(1, static_cast<char>('a' + i % 26));
        }
        const std::size_t width = kanji ? 3 : 1;
        EXPECT_EQ(DisplayablePrompt(text.substr(0, 200 * width)), text.substr(0, 200 * width));
        EXPECT_EQ(DisplayablePrompt(text),
                  text.substr(0, 120 * width) + "…" + text.substr(141 * width));
    }
    // A megabyte keeps its beginning and the answer at its end.
    const std::string answer = "分間の通話で料金は約18円です。";
    EXPECT_EQ(DisplayablePrompt("1" + std::string(999'999, '0') + answer),
              "1" + std::string(119, '0') + "…" + std::string(44, '0') + answer);
}

// Pasted line breaks are read past by the number reader, so the sentence repeats them: shown,
// every control character is a blank, one for one, and the box stays a line high.
TEST(DisplayablePrompt, ShowsControlCharactersAsBlanks) {
    // A NUL among them, and a character cut short at the end, which is no control.
    constexpr char kTyped[] =
        "\r\n\t\0\x1F\x7F|\u0080\u009F\u2028\u2029|\u00A0\u3000５\n分\xE2\x80";
    EXPECT_EQ(DisplayablePrompt(std::string(kTyped, sizeof kTyped - 1)),
              "      |    |\u00A0\u3000５ 分\xE2\x80");
    // A C1 control and a line separator, each the text's last character.
    EXPECT_EQ(DisplayablePrompt("\u0085") + DisplayablePrompt("\u2028"), "  ");
    const std::string sentence = "5分間の通話で料金は約9円です。";  // 16 characters
    EXPECT_EQ(DisplayablePrompt(std::string(300, '\n') + sentence),
              std::string(120, ' ') + "…" + std::string(44, ' ') + sentence);
}

}  // namespace
}  // namespace tolvane
