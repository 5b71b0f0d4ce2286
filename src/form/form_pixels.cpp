#include "form/form_pixels.h"

namespace tolvane {

PixelRect PixelPlacement(ControlRef control, int dpi, PixelOrigin origin) {
    const TwipPlacement& place = PlacementOf(control);
    int left = place.left;
    int top = place.top;
    if (const std::size_t frame = FrameOf(control);
        frame != kNoFrame && origin == PixelOrigin::Window) {
        left += PlacementOf({ControlArray::Frame1, frame}).left;
        top += PlacementOf({ControlArray::Frame1, frame}).top;
    }
    return {PixelsOf(left, dpi), PixelsOf(top, dpi), PixelsOf(place.width, dpi),
            PixelsOf(place.height, dpi)};
}

int ClientWidthPixels(int dpi) {
    return PixelsOf(kClientWidthTwips, dpi);
}

int ClientHeightPixels(int dpi) {
    return PixelsOf(kClientHeightTwips, dpi);
}

}  // namespace tolvane
