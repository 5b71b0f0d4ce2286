#include "form/displayable_prompt.h"

#include <string>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

std::string Repeat(const std::string& piece, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

TEST(DisplayablePrompt, ShowsUpTo200CharactersWholeAndLongerOnesByHeadAndTail) {
    // Each character is told apart by its place, so a swapped or shifted cut shows.
    const auto numbered = [](std::size_t count, const std::string& digitsOf) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            text += digitsOf == "ascii" ? std::string(1, static_cast<char>('a' + i % 26))
                                        : (i % 2 == 0 ? "円" : "分");
        }
        return text;
    };
    for (const std::string kind : {"ascii", "kanji"}) {
        SCOPED_TRACE(kind);
        const std::string exactly200 = numbered(200, kind);
        EXPECT_EQ(DisplayablePrompt(exactly200), exactly200);

        const std::string text201 = numbered(201, kind);
        const std::size_t width = kind == "ascii" ? 1 : 3;
        const std::string expected =
            text201.substr(0, 120 * width) + "…" + text201.substr(141 * width);
        EXPECT_EQ(DisplayablePrompt(text201), expected);
    }
}

TEST(DisplayablePrompt, CountsCharactersNotBytes) {
    // 150 three-byte characters are 450 bytes, yet short enough to show whole.
    const std::string kanji = Repeat("料", 150);
    EXPECT_EQ(DisplayablePrompt(kanji), kanji);
    // A megabyte keeps its beginning and the answer at its end.
    const std::string sentence = "1" + std::string(999'999, '0') + "分間の通話で料金は約18円です。";
    const std::string shown = DisplayablePrompt(sentence);
    EXPECT_EQ(shown, "1" + std::string(119, '0') + "…" + std::string(44, '0') +
                         "分間の通話で料金は約18円です。");
}

}  // namespace
}  // namespace tolvane
