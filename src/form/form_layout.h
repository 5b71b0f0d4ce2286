#pragma once

#include <array>
#include <cstddef>

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
    std::array<TwipPlacement, 6> frames;
    std::array<TwipPlacement, 3> plans;          // Option1, in frame 0
    std::array<TwipPlacement, 2> destinations;   // Option2, in frame 1
    std::array<TwipPlacement, 4> timeBands;      // Option3, in frame 2
    std::array<TwipPlacement, 6> distanceBands;  // Option4, in frame 3
    std::array<TwipPlacement, 2> textBoxes;      // Text1 in frame 4, Text2 in frame 5
    std::array<TwipPlacement, 2> buttons;        // Command1, in frames 4 and 5
    std::array<TwipPlacement, 2> unitLabels;     // Label1, in frames 4 and 5
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

// The height of the shortest option row, in twips: the plans' (180; the others are 255). A face
// that sizes option circles to their rows sizes them all to this, so the window reads as one.
int ShortestOptionRow();

// The control a layout entry names, in a face that holds its controls under the arrays' names
// (Frame1, Option1 to Option4, Text1, Text2, Command1, Label1), as Result: a face's common
// control type, or a reference to let the face fill the entry in.
template <typename Result, typename Face>
Result ControlIn(Face& face, ControlRef control) {
    switch (control.array) {
        case ControlArray::Frame1: return face.Frame1.at(control.index);
        case ControlArray::Option1: return face.Option1.at(control.index);
        case ControlArray::Option2: return face.Option2.at(control.index);
        case ControlArray::Option3: return face.Option3.at(control.index);
        case ControlArray::Option4: return face.Option4.at(control.index);
        case ControlArray::Text1: return face.Text1;
        case ControlArray::Text2: return face.Text2;
        case ControlArray::Command1: return face.Command1.at(control.index);
        case ControlArray::Label1: break;
    }
    return face.Label1.at(control.index);
}

}  // namespace tolvane
