#include "webwindow/fonts.h"

#include "form/form_captions.h"
#include "form/form_pixels.h"
#include "webwindow/page.h"

namespace tolvane {
namespace {

// A hundredth of a pixel is no cut: advances are fractional.
constexpr double kTolerance = 0.01;
constexpr double kPointsPerInch = 72.0;

}  // namespace

CaptionInsets Insets() {
    // One circle size for every option, the largest the shortest option row holds with a pixel
    // to spare above and below, as the Qt face draws them.
    return {PixelsOf(ShortestOptionRow(), kDefaultDpi) - 2, 4, 4};
}

double CssPixels(double points) {
    return points * kDefaultDpi / kPointsPerInch;
}

bool CaptionFits(ControlRef control, const CaptionFont& font) {
    const PixelRect place = PixelPlacement(control, kDefaultDpi, PixelOrigin::Frame);
    const CaptionInsets insets = Insets();
    double room = place.width;
    if (IsOption(control.array)) {
        room -= insets.optionCircle + insets.optionGap;
    } else if (control.array == ControlArray::Command1) {
        room -= 2 * insets.buttonSide;
    } else if (control.array == ControlArray::Frame1) {
        room -= 2 * kFrameTitleMargin;
    }
    const page::TextExtent extent =
        page::Measure(ShownCaption(PlacementOf(control).caption), CssPixels(font.points));
    if (extent.advance * font.stretch / 100.0 > room + kTolerance) {
        return false;
    }
    const double line = extent.fontAscent + extent.fontDescent;
    const double baseline =
        (control.array == ControlArray::Frame1 ? 0.0 : (place.height - line) / 2) +
        extent.fontAscent;
    return baseline - extent.inkAscent >= -kTolerance &&
           baseline + extent.inkDescent <= place.height + kTolerance;
}

}  // namespace tolvane
