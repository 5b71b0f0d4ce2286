#include "form/form_keyboard.h"

#include <array>
#include <utility>

namespace tolvane {

ControlRef ArrowTarget(ControlRef from, Key key) {
    const bool option = IsOption(from.array);
    const std::size_t count = MembersOf(from.array);
    switch (key) {
        case Key::Left:
        case Key::Up:
            return option ? ControlRef{from.array, (from.index + count - 1) % count} : from;
        case Key::Right:
        case Key::Down: return option ? ControlRef{from.array, (from.index + 1) % count} : from;
        case Key::Enter:
        case Key::Escape: break;
    }
    return from;
}

bool PressesNothing(Key key) {
    return key == Key::Enter || key == Key::Escape;
}

bool IsTabStop(ControlRef control, bool checked) {
    return IsOption(control.array) ? checked : TakesFocus(control.array);
}

void SetOptionTabStops(const std::function<bool(ControlRef)>& checked,
                       const std::function<void(ControlRef, bool)>& makeTabStop) {
    for (const ControlRef control : ControlsInTabOrder()) {
        if (IsOption(control.array)) {
            makeTabStop(control, IsTabStop(control, checked(control)));
        }
    }
}

std::vector<ControlRef> CreationOrder() {
    std::vector<ControlRef> order;
    std::array<bool, 6> frameMade{};
    for (const ControlRef control : ControlsInTabOrder()) {
        if (!TakesFocus(control.array)) {
            continue;
        }
        const std::size_t frame = FrameOf(control);
        if (!std::exchange(frameMade.at(frame), true)) {
            order.push_back({ControlArray::Frame1, frame});
        }
        order.push_back(control);
        if (control.array == ControlArray::Command1) {
            order.push_back({ControlArray::Label1, control.index});
        }
    }
    return order;
}

}  // namespace tolvane
