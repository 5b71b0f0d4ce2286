#include "form/form_layout.h"

#include <algorithm>
#include <string>
#include <tuple>

#include "form/form_captions.h"
#include "form/form_fonts.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "form/form_view.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

std::string Caption(ControlRef control) {
    return PlacementOf(control).caption;
}

// Each control once in the keyboard's order, tab indices 0 to 26; each inside its frame, and each
// frame inside the window, on whole pixels at 96 DPI.
TEST(FormLayout, EveryControlLiesInsideItsFrameAndEveryFrameInsideTheWindow) {
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const ControlRef control = ControlsInTabOrder()[index];
        const TwipPlacement& place = PlacementOf(control);
        EXPECT_EQ(place.tabIndex, static_cast<int>(index));
        SCOPED_TRACE(place.caption);
        const std::size_t frame = FrameOf(control);
        const TwipPlacement window = {0, 0, kClientWidthTwips, kClientHeightTwips, "", 0};
        const TwipPlacement& within =
            frame == kNoFrame ? window : PlacementOf({ControlArray::Frame1, frame});
        EXPECT_TRUE(place.left > 0 && place.top > 0 && place.left + place.width < within.width &&
                    place.top + place.height < within.height);
        for (const int twips :
             {place.left, place.top, place.width, place.height, within.width, within.height}) {
            EXPECT_EQ(twips % kTwipsPerPixelAt96Dpi, 0) << twips;
        }
    }
    // Each option group in a frame of its own; the panels: minutes in frame 4, yen in frame 5,
    // each with its button and label.
    std::string frames;
    for (const ControlRef control : {ControlRef{ControlArray::Option1, 2},
                                     {ControlArray::Option2, 1},
                                     {ControlArray::Option3, 3},
                                     {ControlArray::Option4, 5},
                                     {ControlArray::Text1, 0},
                                     {ControlArray::Command1, 0},
                                     {ControlArray::Label1, 0},
                                     {ControlArray::Text2, 0},
                                     {ControlArray::Command1, 1},
                                     {ControlArray::Label1, 1}}) {
        frames += std::to_string(FrameOf(control));
    }
    EXPECT_EQ(frames, "0123444555");
}

// Twips to pixels to the nearest, halves away from zero; at 96 DPI all exact. Inside its frame or
// from the window, where the frame's place is added before rounding.
TEST(FormPixels, RoundTheTwipsOnceAtEachResolution) {
    using Case = std::tuple<int, int, int>;  // twips, dots per inch, pixels
    for (const auto& [twips, dpi, pixels] :
         {Case{5190, 96, 346}, Case{5145, 96, 343}, Case{1815, 120, 151}, Case{180, 120, 15},
          Case{150, 144, 15}, Case{9, 96, 1}, Case{-9, 96, -1}, Case{7, 96, 0}}) {
        EXPECT_EQ(PixelsOf(twips, dpi), pixels) << twips << " at " << dpi;
    }
    EXPECT_EQ(std::pair(ClientWidthPixels(144), ClientHeightPixels(120)), std::pair(519, 429));
    const ControlRef standard = {ControlArray::Option1, 2};
    EXPECT_EQ(PixelPlacement(standard, 96, PixelOrigin::Frame), (PixelRect{16, 56, 113, 12}));
    EXPECT_EQ(PixelPlacement(standard, 96, PixelOrigin::Window), (PixelRect{24, 64, 113, 12}));
    // 240 + 120 twips at 120 DPI: 30 pixels, where 20 + 10 would be rounded twice.
    EXPECT_EQ(PixelPlacement(standard, 120, PixelOrigin::Window).left, 30);
    EXPECT_EQ(PixelPlacement({ControlArray::Frame1, 5}, 144, PixelOrigin::Window),
              (PixelRect{264, 144, 242, 122}));
}

// The arrows walk a group in index order, round at both ends, whatever the places on screen;
// Tab stops once per group, at its checked option.
TEST(FormKeyboard, ArrowsWalkAGroupRoundAndTabStopsAtTheCheckedOption) {
    // From each of these, by Down, Left, Right, Up and Enter: where the focus goes.
    std::string moves;
    for (const ControlRef from : {ControlRef{ControlArray::Option1, 2},
                                  {ControlArray::Option1, 0},
                                  {ControlArray::Option4, 0},
                                  {ControlArray::Command1, 1}}) {
        for (const Key key : {Key::Down, Key::Left, Key::Right, Key::Up, Key::Enter}) {
            moves += std::to_string(ArrowTarget(from, key).index);
        }
        moves += " ";
    }
    EXPECT_EQ(moves, "01012 12120 15150 11111 ");
    EXPECT_TRUE(PressesNothing(Key::Enter) && PressesNothing(Key::Escape) &&
                !PressesNothing(Key::Up));
    std::string stops;
    SetOptionTabStops(
        [](ControlRef option) {
            return option.index == (option.array == ControlArray::Option3 ? 2U : 0U);
        },
        [&stops](ControlRef option, bool tabStop) {
            stops += tabStop ? Caption(option) + "|" : ".";
        });
    EXPECT_EQ(stops, "スーパーパックＬ|..Ｈ''・一般電話|...昼間(8時～19時)|.同一区域内|.....");
}

// The order a toolkit that walks its controls as made needs, by tab index: the focus-takers in
// tab order, each frame just before the first it holds, each unit label after its panel's button.
TEST(FormKeyboard, CreationOrderKeepsTheTabOrderWithEachFrameFirst) {
    std::string order;
    for (const ControlRef control : CreationOrder()) {
        order += std::to_string(PlacementOf(control).tabIndex) + " ";
    }
    EXPECT_EQ(order, "19 0 1 2 20 3 4 21 5 6 7 8 22 9 10 11 12 13 14 23 15 16 25 24 17 18 26 ");
}

// What a face knows a control by: its tab index, a text box; and what the form starts with.
TEST(FormLayout, NamesEachControlOnceAndChecksEachGroupsFirstOption) {
    for (int tabIndex = -1; tabIndex <= static_cast<int>(kControlCount); ++tabIndex) {
        const std::optional<ControlRef> control = ControlAtTabIndex(tabIndex);
        ASSERT_EQ(control.has_value(), tabIndex >= 0 && tabIndex < static_cast<int>(kControlCount));
        if (control) {
            EXPECT_EQ(PlacementOf(*control).tabIndex, tabIndex);
            EXPECT_EQ(CheckedAtStart(*control), IsOption(control->array) && control->index == 0);
        }
    }
    EXPECT_EQ(PlacementOf(ControlOf(TextBox::Text2)).tabIndex, 17);
    EXPECT_EQ(ControlOf(TextBox::Text1), (ControlRef{ControlArray::Text1, 0}));
}

TEST(FormCaptions, HideTheAccessKeysMark) {
    using Case = std::tuple<const char*, const char*, char>;  // the caption, as shown, its key
    for (const auto& [caption, shown, key] :
         {Case{"時間→料金計算(&A)", "時間→料金計算(A)", 'A'}, Case{"a&&b&c", "a&bc", 'C'},
          Case{"&&", "&", '\0'}, Case{"&a", "a", 'A'}, Case{"end&", "end&", '\0'},
          Case{"通話時間", "通話時間", '\0'}}) {
        EXPECT_EQ(ShownCaption(caption), shown);
        EXPECT_EQ(AccessKeyOf(caption), key) << caption;
    }
}

// The sizes and widths tried, largest first: the first that fits; where none does, the smallest.
TEST(FormFonts, TheLargestFontThatFitsByQuarterPointsAndFifthsOfWidth) {
    std::string tried;
    const auto fitsAt = [&tried](CaptionFont wanted) {
        return [&tried, wanted](const CaptionFont& font) {
            tried +=
                std::to_string(font.points).substr(0, 4) + "/" + std::to_string(font.stretch) + " ";
            return font == wanted;
        };
    };
    EXPECT_EQ(LargestFittingFont(9.0, fitsAt({8.75, 85})), (CaptionFont{8.75, 85}));
    EXPECT_EQ(tried, "9.00/100 9.00/95 9.00/90 9.00/85 8.75/100 8.75/95 8.75/90 8.75/85 ");
    tried.clear();
    EXPECT_EQ(LargestFittingFont(11.25, fitsAt({0, 0})), (CaptionFont{6.0, 85}));
    EXPECT_EQ(std::count(tried.begin(), tried.end(), '/'), (11.25 - 6.0) * 4 * 4 + 4);
    // Every caption in one group, but the text boxes; only the unit labels' asks for their font.
    std::size_t grouped = 0;
    for (const FontGroup& group : FontGroups()) {
        EXPECT_EQ(group.unitLabels, group.members.at(0).array == ControlArray::Label1);
        grouped += group.members.size();
    }
    EXPECT_EQ(grouped, kControlCount - 2);
}

}  // namespace
}  // namespace tolvane
