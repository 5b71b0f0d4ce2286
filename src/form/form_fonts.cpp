#include "form/form_fonts.h"

#include <cmath>
#include <set>
#include <utility>

namespace tolvane {
namespace {

constexpr int kQuartersPerPoint = 4;
constexpr int kSmallestQuarters = 6 * kQuartersPerPoint;
constexpr int kStretchStep = 5;

std::vector<FontGroup> MakeFontGroups() {
    std::vector<FontGroup> groups;
    for (std::size_t frame = 0; frame < MembersOf(ControlArray::Frame1); ++frame) {
        groups.push_back({{{ControlArray::Frame1, frame}}, false});
    }
    for (const ControlArray array :
         {ControlArray::Option1, ControlArray::Option2, ControlArray::Option3,
          ControlArray::Option4, ControlArray::Command1, ControlArray::Label1}) {
        FontGroup group{{}, array == ControlArray::Label1};
        for (std::size_t index = 0; index < MembersOf(array); ++index) {
            group.members.push_back({array, index});
        }
        groups.push_back(std::move(group));
    }
    return groups;
}

}  // namespace

const std::vector<FontGroup>& FontGroups() {
    static const std::vector<FontGroup> groups = MakeFontGroups();
    return groups;
}

CaptionFont LargestFittingFont(double points, const std::function<bool(const CaptionFont&)>& fits) {
    CaptionFont font{points, 100};
    // Counted in quarters, so that no size drifts from the quarter points it should be.
    for (auto quarters = static_cast<int>(std::lround(points * kQuartersPerPoint));
         quarters >= kSmallestQuarters; --quarters) {
        font.points = static_cast<double>(quarters) / kQuartersPerPoint;
        for (font.stretch = 100; font.stretch >= kNarrowestStretch; font.stretch -= kStretchStep) {
            if (fits(font)) {
                return font;
            }
        }
    }
    font.stretch = kNarrowestStretch;
    return font;
}

long FontPixels(double points, int dpi) {
    return std::lround(points * dpi / 72.0);
}

CaptionFont FittedFont(const FontGroup& group, const CaptionSurface& surface,
                       const MeasureCaption& measure) {
    std::set<std::pair<long, int>> tried;
    return LargestFittingFont(
        group.unitLabels ? kUnitLabelFont.points : kWindowFontPoints, [&](const CaptionFont& font) {
            if (surface.wholePixelFonts &&
                !tried.emplace(FontPixels(font.points, surface.dpi), font.stretch).second) {
                return false;
            }
            for (const ControlRef member : group.members) {
                if (!CaptionFits(member, measure(member, font), surface)) {
                    return false;
                }
            }
            return true;
        });
}

}  // namespace tolvane
