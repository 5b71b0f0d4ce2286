#pragma once

#include <functional>
#include <vector>

#include "form/form_captions.h"
#include "form/form_layout.h"

namespace tolvane {

// Every box was drawn for a 9-point Japanese proportional gothic: the font of the window and of
// every control but the unit labels, which ask for kUnitLabelFont.
inline constexpr double kWindowFontPoints = 9.0;

// Controls that stand together share one font, fitted to all their captions, so that a group
// keeps one look: each frame alone, each option group, the two buttons, and the two unit labels
// in their own font. The text boxes show whatever is typed, in the window's font as it is.
struct FontGroup {
    std::vector<ControlRef> members;
    bool unitLabels;
};
const std::vector<FontGroup>& FontGroups();

// The narrowest a caption's font is made before it is made smaller.
inline constexpr int kNarrowestStretch = 85;

// A font as the fitting tries it: its size, and its width in percent of the normal.
struct CaptionFont {
    double points;
    int stretch;
    friend constexpr bool operator==(const CaptionFont&, const CaptionFont&) = default;
};

// The largest size from `points` down, in quarter points to 6 points, and at that size the
// widest stretch from 100 % down in fives to 85 % (narrowing keeps a caption's height), for
// which `fits` says every caption of a group is drawn whole. Where none is (a box far too small
// for any font), the smallest, which cuts least. A face that draws fonts in whole pixels maps
// each size to its pixels; sizes that come to the same pixels it may answer once.
CaptionFont LargestFittingFont(double points, const std::function<bool(const CaptionFont&)>& fits);

// A font's size in whole pixels at `dpi`, to the nearest, for a face whose fonts come so.
long FontPixels(double points, int dpi);

// The font a group's captions share: from the size the group asks for (the unit labels' or the
// window's), the largest in which every member's caption fits as the face measures it. Where the
// face's fonts come only in whole pixels, a size that comes to pixels already tried is not tried
// again.
using MeasureCaption = std::function<CaptionExtent(ControlRef, const CaptionFont&)>;
CaptionFont FittedFont(const FontGroup& group, const CaptionSurface& surface,
                       const MeasureCaption& measure);

}  // namespace tolvane
