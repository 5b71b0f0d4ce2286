#pragma once

namespace tolvane {

// A colour by its sRGB channels, 0 to 255.
struct Rgb {
    int red;
    int green;
    int blue;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// The contrast a reader sees between two colours, WCAG's ratio from 1 to 21.
double ContrastRatio(Rgb first, Rgb second);

// The contrast a face asks of the edges it draws itself against the window: 3:1, what readers
// need to find a control, with a little to spare for the frames, whose lines are drawn whole; more
// for the option circles, whose smoothed outline covers no pixel whole.
inline constexpr double kFrameContrast = 3.3;
inline constexpr double kCircleContrast = 4.5;

// The colour of such an edge over a palette's window and text colours, in a light palette or a
// dark one: the least blend of the text over the window, in steps of 5 % from 30 %, that stands
// out from the window by `contrast`; the text itself where none does.
Rgb EdgeColour(Rgb window, Rgb text, double contrast);

}  // namespace tolvane
