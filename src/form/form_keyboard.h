#pragma once

#include <functional>
#include <vector>

#include "form/form_layout.h"

namespace tolvane {

// The keys the form has a rule for.
enum class Key { Left, Right, Up, Down, Enter, Escape };

// Where an arrow key takes the focus, and the check, from an option: the previous option of its
// group (Left, Up) or the next (Right, Down), in index order whatever their places on the screen,
// round from the last to the first. A face whose toolkit moves by screen position or stops at
// the ends follows this instead. Not an option or not an arrow: the control itself.
ControlRef ArrowTarget(ControlRef from, Key key);

// Enter and Escape press nothing: neither button is a default or a cancel button.
bool PressesNothing(Key key);

// At start the focus is on the checked plan, the first.
inline constexpr ControlRef kFirstFocus = {ControlArray::Option1, 0};

// Whether Tab stops at the control: each option group once, at its checked option, as keyboard
// users expect; then the boxes and buttons. Frames and labels never.
bool IsTabStop(ControlRef control, bool checked);

// Makes each option a Tab stop or not, by which of its group is `checked`, through `makeTabStop`:
// a face calls it when the checks change, and where its toolkit moves the stop on its own.
void SetOptionTabStops(const std::function<bool(ControlRef)>& checked,
                       const std::function<void(ControlRef, bool)>& makeTabStop);

// Every control in the order a face whose toolkit walks its controls in creation order makes
// them, so that its Tab and arrow keys keep the form's order: ascending tab index for those that
// take the focus, each frame just before what it holds (so that it also closes the option group
// before it), and each unit label after its panel's button.
std::vector<ControlRef> CreationOrder();

}  // namespace tolvane
