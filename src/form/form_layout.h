#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace tolvane {

// A control's place in its container, in twips (1/1440 inch), its caption or text, and its
// position in the keyboard order. Positions inside a frame count from the frame's top-left
// corner, its title band included.
struct TwipPlacement {
    int left;
    int top;
    int width;
    int height;
    const char* caption;  // UTF-8; "&" marks the access key of a button
    int tabIndex;
};

inline constexpr int kTwipsPerInch = 1440;
// At 96 dots per inch, the resolution the layout was drawn at, 15 twips make a pixel.
inline constexpr int kTwipsPerPixelAt96Dpi = 15;

inline constexpr int kClientWidthTwips = 5190;
inline constexpr int kClientHeightTwips = 5145;

// The window's whole layout, control array by control array, member by member.
struct WindowLayout {
    std::array<TwipPlacement, 6> Frame1;
    std::array<TwipPlacement, 3> Option1;   // the plans, in frame 0
    std::array<TwipPlacement, 2> Option2;   // the kinds of telephone called, in frame 1
    std::array<TwipPlacement, 4> Option3;   // the time bands, in frame 2
    std::array<TwipPlacement, 6> Option4;   // the distance bands, in frame 3
    TwipPlacement Text1;                    // minutes, in frame 4
    TwipPlacement Text2;                    // yen, in frame 5
    std::array<TwipPlacement, 2> Command1;  // in frames 4 and 5
    std::array<TwipPlacement, 2> Label1;    // the units, in frames 4 and 5
};

extern const WindowLayout kWindowLayout;

// The font the unit labels ask for by name. Where the family is missing, a face maps it to the
// nearest Japanese gothic it has.
struct FontRequest {
    const char* family;  // UTF-8
    double points;
    int weight;
    int characterSet;  // 128: Shift-JIS
};
inline constexpr FontRequest kUnitLabelFont = {"ＭＳ Ｐゴシック", 11.25, 400, 128};

// The control arrays of the window. The two text boxes are single controls, index 0.
enum class ControlArray {
    Frame1,
    Option1,
    Option2,
    Option3,
    Option4,
    Text1,
    Text2,
    Command1,
    Label1
};

struct ControlRef {
    ControlArray array;
    std::size_t index;
    friend constexpr bool operator==(ControlRef, ControlRef) = default;
};

inline constexpr std::size_t kControlCount = 27;

// How many members a control array has (1 for a text box).
std::size_t MembersOf(ControlArray array);

// Where a control stands, and the frame that holds it (none for a frame itself).
const TwipPlacement& PlacementOf(ControlRef control);
inline constexpr std::size_t kNoFrame = static_cast<std::size_t>(-1);
std::size_t FrameOf(ControlRef control);

// Every control, in ascending tab index: the order in which a face creates the controls and
// chains their focus. Frames and labels are in it, though they never take the focus.
const std::array<ControlRef, kControlCount>& ControlsInTabOrder();

// Whether the control can hold the keyboard focus: option buttons, text boxes and buttons.
bool TakesFocus(ControlArray array);

// Whether the array is one of the four option groups.
bool IsOption(ControlArray array);

// Whether the option is checked when the form starts: the first of each group.
bool CheckedAtStart(ControlRef option);

// The control with the tab index, if there is one: the number a face knows a control by.
std::optional<ControlRef> ControlAtTabIndex(int tabIndex);

// The height of the shortest option row, in twips: the plans' (180; the others are 255). A face
// that sizes option circles to their rows sizes them all to this, so the window reads as one.
int ShortestOptionRow();

}  // namespace tolvane
