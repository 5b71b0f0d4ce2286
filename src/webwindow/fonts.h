#pragma once

#include "form/form_fonts.h"
#include "form/form_layout.h"

namespace tolvane {

// What the desktop layout's stylesheet leaves a caption beside it, in CSS pixels, given to the
// stylesheet by the face so that both use the same: an option's circle and the gap after it, and
// a button's edge and padding on each side.
struct CaptionInsets {
    int optionCircle;
    int optionGap;
    int buttonSide;
};
CaptionInsets Insets();

// A caption font's size in CSS pixels, which are 1/96 inch.
double CssPixels(double points);

// Whether the control's caption, drawn in the page's font as `font` says, fits the room its
// control leaves it in the desktop layout: its advance, narrowed to the font's width, within the
// room beside the circle, the button's edges or the frame's corners; its ink within the height,
// the line centred as the stylesheet centres it (a frame's title stands at its top).
bool CaptionFits(ControlRef control, const CaptionFont& font);

}  // namespace tolvane
