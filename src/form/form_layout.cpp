#include "form/form_layout.h"

#include <algorithm>

namespace tolvane {

const WindowLayout kWindowLayout = {
    .Frame1 = {{
        {120, 120, 2415, 1215, "料金コース", 19},
        {120, 1440, 2415, 1215, "電話先", 20},
        {120, 2760, 4935, 1095, "通話時間帯", 21},
        {120, 3960, 4935, 1095, "通信距離", 22},
        {2640, 120, 2415, 1215, "通話時間", 23},
        {2640, 1440, 2415, 1215, "通話料金", 24},
    }},
    .Option1 = {{
        {240, 360, 1815, 180, "スーパーパックＬ", 0},
        {240, 600, 1815, 180, "スーパーパックＳ", 1},
        {240, 840, 1695, 180, "標準コース", 2},
    }},
    .Option2 = {{
        {240, 360, 1935, 255, "Ｈ''・一般電話", 3},
        {240, 600, 1935, 255, "携帯電話", 4},
    }},
    .Option3 = {{
        {240, 360, 2295, 255, "深夜・早朝(23時～翌8時)", 5},
        {240, 600, 2175, 255, "夜間(19時～23時)", 6},
        {2640, 360, 1935, 255, "昼間(8時～19時)", 7},
        {2640, 600, 1695, 255, "昼間(土・日・祝)", 8},
    }},
    .Option4 = {{
        {240, 360, 1575, 255, "同一区域内", 9},
        {240, 600, 1815, 255, "隣接区域内・30km", 10},
        {2160, 360, 1095, 255, "60kmまで", 11},
        {2160, 600, 1215, 255, "100kmまで", 12},
        {3480, 360, 1215, 255, "160kmまで", 13},
        {3480, 600, 1095, 255, "160km超", 14},
    }},
    .Text1 = {480, 480, 1335, 270, "0", 15},
    .Text2 = {480, 480, 1335, 270, "0", 17},
    .Command1 = {{
        {360, 840, 1695, 255, "時間→料金計算(&A)", 16},
        {360, 840, 1695, 255, "料金→時間計算(&B)", 18},
    }},
    .Label1 = {{
        {1920, 480, 225, 225, "分", 25},
        {1920, 480, 225, 225, "円", 26},
    }},
};

const TwipPlacement& PlacementOf(ControlRef control) {
    const WindowLayout& layout = kWindowLayout;
    switch (control.array) {
        case ControlArray::Frame1: return layout.Frame1.at(control.index);
        case ControlArray::Option1: return layout.Option1.at(control.index);
        case ControlArray::Option2: return layout.Option2.at(control.index);
        case ControlArray::Option3: return layout.Option3.at(control.index);
        case ControlArray::Option4: return layout.Option4.at(control.index);
        case ControlArray::Text1: return layout.Text1;
        case ControlArray::Text2: return layout.Text2;
        case ControlArray::Command1: return layout.Command1.at(control.index);
        case ControlArray::Label1: break;
    }
    return layout.Label1.at(control.index);
}

std::size_t FrameOf(ControlRef control) {
    switch (control.array) {
        case ControlArray::Frame1: return kNoFrame;
        case ControlArray::Option1: return 0;
        case ControlArray::Option2: return 1;
        case ControlArray::Option3: return 2;
        case ControlArray::Option4: return 3;
        case ControlArray::Text1: return 4;
        case ControlArray::Text2: return 5;
        case ControlArray::Command1:
        case ControlArray::Label1: break;
    }
    // The two panels each hold one member of these arrays, the minutes panel index 0.
    return 4 + control.index;
}

std::size_t MembersOf(ControlArray array) {
    const WindowLayout& layout = kWindowLayout;
    switch (array) {
        case ControlArray::Frame1: return layout.Frame1.size();
        case ControlArray::Option1: return layout.Option1.size();
        case ControlArray::Option2: return layout.Option2.size();
        case ControlArray::Option3: return layout.Option3.size();
        case ControlArray::Option4: return layout.Option4.size();
        case ControlArray::Text1:
        case ControlArray::Text2: return 1;
        case ControlArray::Command1: return layout.Command1.size();
        case ControlArray::Label1: break;
    }
    return layout.Label1.size();
}

bool TakesFocus(ControlArray array) {
    return array != ControlArray::Frame1 && array != ControlArray::Label1;
}

int ShortestOptionRow() {
    int shortest = kClientHeightTwips;
    for (const ControlRef control : ControlsInTabOrder()) {
        if (IsOption(control.array)) {
            shortest = std::min(shortest, PlacementOf(control).height);
        }
    }
    return shortest;
}

bool IsOption(ControlArray array) {
    return array == ControlArray::Option1 || array == ControlArray::Option2 ||
           array == ControlArray::Option3 || array == ControlArray::Option4;
}

bool CheckedAtStart(ControlRef option) {
    return IsOption(option.array) && option.index == 0;
}

std::optional<ControlRef> ControlAtTabIndex(int tabIndex) {
    if (tabIndex < 0 || tabIndex >= static_cast<int>(kControlCount)) {
        return std::nullopt;
    }
    return ControlsInTabOrder()[static_cast<std::size_t>(tabIndex)];
}

namespace {

std::array<ControlRef, kControlCount> SortedByTabIndex() {
    std::array<ControlRef, kControlCount> controls{};
    std::size_t count = 0;
    for (const ControlArray array :
         {ControlArray::Frame1, ControlArray::Option1, ControlArray::Option2, ControlArray::Option3,
          ControlArray::Option4, ControlArray::Text1, ControlArray::Text2, ControlArray::Command1,
          ControlArray::Label1}) {
        for (std::size_t index = 0; index < MembersOf(array); ++index) {
            controls.at(count++) = {array, index};
        }
    }
    std::sort(controls.begin(), controls.end(), [](ControlRef first, ControlRef second) {
        return PlacementOf(first).tabIndex < PlacementOf(second).tabIndex;
    });
    return controls;
}

}  // namespace

const std::array<ControlRef, kControlCount>& ControlsInTabOrder() {
    static const std::array<ControlRef, kControlCount> order = SortedByTabIndex();
    return order;
}

}  // namespace tolvane
