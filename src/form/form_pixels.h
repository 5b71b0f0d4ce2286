#pragma once

#include "form/form_layout.h"

namespace tolvane {

// Twips to a display's pixels, one rule for every face: to the nearest pixel, halves away from
// zero, as Windows' MulDiv rounds. At 96 dots per inch every place of the layout is a whole
// number of pixels (a multiple of 15 twips), so a face that lays out at 96 and lets its toolkit
// scale, as Qt does, gets the same pixels as one that lays out at the display's own resolution.
inline constexpr int kDefaultDpi = 96;
constexpr int PixelsOf(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled >= 0 ? scaled + half : scaled - half) / kTwipsPerInch);
}

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Where a control lies in pixels: from its frame's corner, where a face nests controls in their
// frames (Qt), or from the window's client area, where every control is the window's child
// (Win32, the page): there a control's place is its frame's plus its own, in twips, rounded once.
enum class PixelOrigin { Frame, Window };
PixelRect PixelPlacement(ControlRef control, int dpi, PixelOrigin origin);

// The window's client area, kClientWidthTwips by kClientHeightTwips.
int ClientWidthPixels(int dpi);
int ClientHeightPixels(int dpi);

}  // namespace tolvane
