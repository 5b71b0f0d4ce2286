#pragma once

#include <string>
#include <string_view>

#include "form/form_layout.h"

namespace tolvane {

// A caption as the window shows it: an "&" marks the access key, the letter after it, and is not
// shown; "&&" shows one "&".
std::string ShownCaption(std::string_view caption);

// The access key a caption marks, in upper case ('A' for "時間→料金計算(&A)"), or '\0'.
char AccessKeyOf(std::string_view caption);

// What every face keeps clear beside a caption, in pixels at 96 DPI: the gap between an option's
// circle and its caption, a button's edge and padding on each side, and a frame's corner and gap
// on each side of its title.
inline constexpr int kOptionGap = 4;
inline constexpr int kButtonSide = 4;
inline constexpr int kFrameTitleMargin = 8;

// The option circles' size in pixels at 96 DPI, one for every option so that the window reads as
// one: the largest the shortest option row holds with a pixel to spare above and below.
int OptionCircle();

// What a face measures of a caption in a font it tries, in the pixels it lays its controls out in.
struct CaptionExtent {
    double advance;      // the shown caption's width, at the font's stretch
    double lineAscent;   // the font's ascent and descent: the line a control centres
    double lineDescent;  //
    double inkAscent;    // how far the caption's ink reaches above the baseline
    double inkDescent;   // and below it
    double underline;    // where below the baseline an access key's underline ends; 0: none drawn
};

// Where a face's drawing puts a centred line that falls between device pixels: where it falls;
// with its baseline on the nearest device pixel; or with its top's offset from the control's top
// cut to whole pixels towards it, as halving in whole numbers does.
enum class BaselineSnap { None, Nearest, LineTopCut };

// How a face draws its captions, in the pixels its controls are laid out in: their resolution;
// the size of a device pixel in them, and where a line goes between two; its option circle
// where the system draws its own (0: the form's, OptionCircle); its buttons' edge, which an access
// key's underline stays above; and whether its fonts come only in whole pixel sizes.
struct CaptionSurface {
    int dpi;
    double devicePixel;
    BaselineSnap snap;
    int optionCircle;
    double buttonEdge;
    bool wholePixelFonts;
};

// Whether a caption whose extent a face measured is drawn whole in its control: its advance within
// the room beside the option's circle, inside the button's sides or between the frame's corners;
// its ink inside the control, the line centred in its height (a frame's title stands at its top),
// on the device pixel the face puts the baseline on; an access key's underline above the button's
// edge.
bool CaptionFits(ControlRef control, const CaptionExtent& extent, const CaptionSurface& surface);

}  // namespace tolvane
