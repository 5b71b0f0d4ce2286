#include "form/form_captions.h"

#include <cmath>

#include "form/form_pixels.h"

namespace tolvane {

std::string ShownCaption(std::string_view caption) {
    std::string shown;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size()) {
            ++at;
        }
        shown += caption[at];
    }
    return shown;
}

char AccessKeyOf(std::string_view caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') {
            continue;
        }
        const char key = caption[++at];
        if (key != '&') {
            return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
        }
    }
    return '\0';
}

namespace {

// Advances and metrics are fractional in some faces: a hundredth of a pixel is no cut.
constexpr double kTolerance = 0.01;

double Scaled(int pixelsAt96Dpi, int dpi) {
    return PixelsOf(pixelsAt96Dpi * kTwipsPerPixelAt96Dpi, dpi);
}

double CaptionRoom(ControlRef control, double width, const CaptionSurface& surface) {
    if (IsOption(control.array)) {
        const double circle =
            surface.optionCircle > 0 ? surface.optionCircle : Scaled(OptionCircle(), surface.dpi);
        return width - circle - Scaled(kOptionGap, surface.dpi);
    }
    switch (control.array) {
        case ControlArray::Command1: return width - 2 * Scaled(kButtonSide, surface.dpi);
        case ControlArray::Frame1: return width - 2 * Scaled(kFrameTitleMargin, surface.dpi);
        default: return width;
    }
}

}  // namespace

int OptionCircle() {
    return PixelsOf(ShortestOptionRow(), kDefaultDpi) - 2;
}

bool CaptionFits(ControlRef control, const CaptionExtent& extent, const CaptionSurface& surface) {
    const PixelRect place = PixelPlacement(control, surface.dpi, PixelOrigin::Frame);
    if (extent.advance > CaptionRoom(control, place.width, surface) + kTolerance) {
        return false;
    }
    const double line = extent.lineAscent + extent.lineDescent;
    // A frame's title stands at its top; every other control centres its line, so that a font
    // with tall ascents and descents loses least at either edge.
    const double top = control.array == ControlArray::Frame1 ? 0.0 : (place.height - line) / 2;
    const double pixel = surface.devicePixel;
    const double snapped = surface.snap == BaselineSnap::Nearest
                               ? std::round((top + extent.lineAscent) / pixel) * pixel
                           : surface.snap == BaselineSnap::LineTopCut
                               ? std::trunc(top / pixel) * pixel + extent.lineAscent
                               : top + extent.lineAscent;
    if (snapped - extent.inkAscent < -kTolerance ||
        snapped + extent.inkDescent > place.height + kTolerance) {
        return false;
    }
    return AccessKeyOf(PlacementOf(control).caption) == '\0' ||
           snapped + extent.underline <= place.height - surface.buttonEdge + kTolerance;
}

}  // namespace tolvane
