#pragma once

#include <array>

class QWidget;

namespace tolvane {

// A control's place in its container, in twips (1/1440 inch), and its caption or text.
// Positions inside a frame count from the frame's top-left corner, its title band included.
struct TwipPlacement {
    int left;
    int top;
    int width;
    int height;
    const char* caption;  // UTF-8
};

// Twips per device-independent pixel (96 per inch); Qt scales pixels for high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

inline constexpr int kClientWidthTwips = 5190;
inline constexpr int kClientHeightTwips = 5145;

// The window's whole layout, control array by control array, member by member.
struct WindowLayout {
    std::array<TwipPlacement, 6> frames;
    std::array<TwipPlacement, 3> plans;          // in frame 0
    std::array<TwipPlacement, 2> destinations;   // in frame 1
    std::array<TwipPlacement, 4> timeBands;      // in frame 2
    std::array<TwipPlacement, 6> distanceBands;  // in frame 3
    std::array<TwipPlacement, 2> textBoxes;      // in frames 4 and 5
    std::array<TwipPlacement, 2> buttons;        // in frames 4 and 5
    std::array<TwipPlacement, 2> unitLabels;     // in frames 4 and 5
};

extern const WindowLayout kWindowLayout;

// Puts a widget at its place and gives it its caption.
void ApplyPlacement(QWidget& widget, const TwipPlacement& placement);

}  // namespace tolvane
