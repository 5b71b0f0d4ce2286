#include <string>
#include <tuple>
#include <vector>

#include "form/form_captions.h"
#include "form/form_contrast.h"
#include "form/form_fonts.h"

#include <gtest/gtest.h>

namespace tolvane {
namespace {

constexpr ControlRef kStandard = {ControlArray::Option1, 2};        // 113 x 12 pixels at 96 DPI
constexpr ControlRef kMinutesButton = {ControlArray::Command1, 0};  // 113 x 17, "(&A)"
constexpr ControlRef kFirstFrame = {ControlArray::Frame1, 0};       // 161 x 81
constexpr ControlRef kMinutesLabel = {ControlArray::Label1, 0};     // 15 x 15

// The room beside a circle, inside a button's sides, between a frame's corners, at the face's
// resolution; the ink inside the height, the line centred but for a frame's title, on the pixel
// the face rounds the baseline to; the underline above the button's edge.
TEST(CaptionFits, DecidesByTheRoomTheInkAndTheUnderline) {
    constexpr CaptionSurface kFractional = {96, 0, BaselineSnap::None, 0, 2, false};
    constexpr CaptionSurface kNearest = {96, 1, BaselineSnap::Nearest, 0, 2, true};
    constexpr CaptionSurface kLineTopCut = {96, 1, BaselineSnap::LineTopCut, 0, 2, true};
    using Case = std::tuple<ControlRef, CaptionExtent, CaptionSurface, bool>;
    const std::vector<Case> cases = {
        // Advance against 113 - 10 - 4, within a hundredth.
        {kStandard, {99.01, 9, 2, 8, 2, 0}, kFractional, true},
        {kStandard, {99.02, 9, 2, 8, 2, 0}, kFractional, false},
        // A system's own 13-pixel circle leaves 96.
        {kStandard, {97, 9, 2, 8, 2, 0}, {96, 0, BaselineSnap::None, 13, 2, false}, false},
        // At 120 DPI: 141 - 13 - 5.
        {kStandard, {123, 9, 2, 8, 2, 0}, {120, 0, BaselineSnap::None, 0, 2, false}, true},
        {kStandard, {123.5, 9, 2, 8, 2, 0}, {120, 0, BaselineSnap::None, 0, 2, false}, false},
        // A 13-pixel line centred in 12: baseline 9.5, ink from 0 to 12 exactly.
        {kStandard, {50, 10, 3, 9.5, 2.5, 0}, kFractional, true},
        {kStandard, {50, 10, 3, 9.6, 2.5, 0}, kFractional, false},
        {kStandard, {50, 10, 3, 9.5, 2.6, 0}, kFractional, false},
        // The baseline on the nearest device pixel, 10: a half pixel lower. A line 13.2 high
        // starts 0.6 above the box, its baseline 9.4: on pixel 9, or, its top cut to 0, on 10.
        {kStandard, {50, 10, 3, 9.5, 2.5, 0}, kNearest, false},
        {kStandard, {50, 10, 3, 10, 2, 0}, kNearest, true},
        {kStandard, {50, 10, 3.2, 10, 2, 0}, kNearest, false},
        {kStandard, {50, 10, 3.2, 10, 2, 0}, kLineTopCut, true},
        // In half pixels, as at twice the scale: 9.5 is a pixel of its own; a line's top at -0.6
        // is cut to -0.5.
        {kStandard, {50, 10, 3, 9.5, 2.5, 0}, {96, 0.5, BaselineSnap::Nearest, 0, 2, false}, true},
        {kStandard,
         {50, 10, 3.2, 9.5, 2.5, 0},
         {96, 0.5, BaselineSnap::LineTopCut, 0, 2, false},
         true},
        // An 11-pixel line's top at 0.5 is cut to 0: its baseline at 10, not 10.5 or 11.
        {kStandard, {50, 10, 1, 10, 2, 0}, kLineTopCut, true},
        {kStandard, {50, 10, 1, 10, 2, 0}, kFractional, false},
        // A frame's title stands at its top, not centred in its 81 pixels.
        {kFirstFrame, {145, 12, 3, 12.5, 2, 0}, kFractional, false},
        {kFirstFrame, {145, 12, 3, 12, 3, 9}, kFractional, true},
        {kFirstFrame, {146, 12, 3, 12, 3, 0}, kFractional, false},
        // A unit label centres its line, as the options do: 11.5 + 3.6 is below its 15.
        {kMinutesLabel, {15, 10, 2, 10, 3.6, 0}, kFractional, false},
        {kMinutesLabel, {15, 10, 2, 10, 3.5, 0}, kFractional, true},
        // A button leaves 105; its access key's underline ends above the face's edge.
        {kMinutesButton, {105, 12, 3, 12, 3, 2}, kFractional, true},
        {kMinutesButton, {105.5, 12, 3, 12, 3, 2}, kFractional, false},
        {kMinutesButton, {100, 12, 3, 12, 3, 2.5}, kFractional, false},
        {kMinutesButton,
         {100, 12, 3, 12, 3, 2.5},
         {96, 0, BaselineSnap::None, 0, 1.5, false},
         true},
        {kMinutesButton, {100, 12, 3, 12, 3, 2.5}, kNearest, false},
    };
    for (const auto& [control, extent, surface, fits] : cases) {
        EXPECT_EQ(CaptionFits(control, extent, surface), fits)
            << PlacementOf(control).caption << " advance " << extent.advance << " ink "
            << extent.inkAscent << "/" << extent.inkDescent << " underline " << extent.underline
            << " at " << surface.dpi;
    }
    EXPECT_EQ(OptionCircle(), 10);
}

// A group's font: from the size it asks for, the largest at which all its members fit; a face
// with whole-pixel fonts is not asked again about pixels it has answered.
TEST(FittedFont, FitsEveryMemberFromTheGroupsOwnSize) {
    const FontGroup& plans = FontGroups().at(6);
    const FontGroup& labels = FontGroups().back();
    ASSERT_EQ(plans.members.front(), (ControlRef{ControlArray::Option1, 0}));
    std::vector<double> asked;
    // 12 pixels of advance a point, narrowed by the stretch; the line as a 9-point one.
    const auto measure = [&asked](ControlRef, const CaptionFont& font) {
        asked.push_back(font.points);
        return CaptionExtent{12 * font.points * font.stretch / 100, 9, 3, 9, 2, 0};
    };
    // 108 wide at 100 %: only the standard course's 99 pixels want 90 %.
    EXPECT_EQ(FittedFont(plans, {96, 0, BaselineSnap::None, 0, 0, false}, measure),
              (CaptionFont{9.0, 90}));
    // At 100 % the first plan fails; at 95 % the third.
    EXPECT_EQ(asked.size(), 1u + 3 + 3);
    asked.clear();
    // No size fits a label's 15 pixels: the smallest, which cuts least.
    EXPECT_EQ(FittedFont(labels, {96, 0, BaselineSnap::None, 0, 0, false}, measure),
              (CaptionFont{6.0, 85}));
    EXPECT_EQ(asked.front(), 11.25);
    asked.clear();
    const auto never = [&asked](ControlRef, const CaptionFont& font) {
        asked.push_back(font.points);
        return CaptionExtent{1000, 9, 3, 9, 2, 0};
    };
    FittedFont(plans, {96, 1, BaselineSnap::LineTopCut, 0, 0, true}, never);
    // 9 and 8.75 points are both 12 pixels, 8.5 is 11.
    EXPECT_EQ(std::vector<double>(asked.begin(), asked.begin() + 5),
              (std::vector<double>{9, 9, 9, 9, 8.5}));
    EXPECT_EQ(FontPixels(8.75, 96), 12);
    EXPECT_EQ(FontPixels(9, 144), 18);
}

// WCAG's ratio; an edge the least blend of text over window that stands out enough, light or dark.
TEST(EdgeColour, StandsOutFromTheWindowByTheContrastAsked) {
    EXPECT_DOUBLE_EQ(ContrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio({90, 90, 90}, {90, 90, 90}), 1.0);
    EXPECT_NEAR(ContrastRatio({118, 118, 118}, {255, 255, 255}), 4.54, 0.01);
    // A channel this dark is on sRGB's straight segment.
    EXPECT_NEAR(ContrastRatio({10, 10, 10}, {0, 0, 0}), 1.0607, 0.0005);
    using Case = std::tuple<Rgb, Rgb, double, Rgb>;  // window, text, contrast, edge
    for (const auto& [window, text, contrast, edge] :
         {Case{{239, 239, 239}, {0, 0, 0}, kFrameContrast, {120, 120, 120}},
          Case{{239, 239, 239}, {0, 0, 0}, kCircleContrast, {108, 108, 108}},
          Case{{53, 53, 53}, {255, 255, 255}, kFrameContrast, {133, 133, 133}},
          Case{{200, 200, 200}, {210, 210, 210}, kFrameContrast, {210, 210, 210}}}) {
        EXPECT_EQ(EdgeColour(window, text, contrast), edge)
            << window.red << " under " << text.red << " at " << contrast;
        if (edge != text) {
            EXPECT_GE(ContrastRatio(edge, window), contrast);
        }
    }
}

}  // namespace
}  // namespace tolvane
