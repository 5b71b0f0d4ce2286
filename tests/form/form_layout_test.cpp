#include "form/form_layout.h"

#include <string>

#include <gtest/gtest.h>

namespace tolvane {
namespace {

std::string Caption(ControlRef control) {
    return PlacementOf(control).caption;
}

TEST(FormLayout, TheKeyboardVisitsTheGroupsThenEachPanelsBoxAndButton) {
    std::string stops;
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const ControlRef control = ControlsInTabOrder()[index];
        EXPECT_EQ(PlacementOf(control).tabIndex, static_cast<int>(index));  // each once, 0 to 26
        stops += TakesFocus(control.array) ? Caption(control) + "|" : "";
    }
    EXPECT_EQ(stops,
              "スーパーパックＬ|スーパーパックＳ|標準コース|Ｈ''・一般電話|携帯電話|"
              "深夜・早朝(23時～翌8時)|夜間(19時～23時)|昼間(8時～19時)|昼間(土・日・祝)|"
              "同一区域内|隣接区域内・30km|60kmまで|100kmまで|160kmまで|160km超|"
              "0|時間→料金計算(&A)|0|料金→時間計算(&B)|");
    EXPECT_EQ(ControlsInTabOrder()[15], (ControlRef{ControlArray::Text1, 0}));
    EXPECT_EQ(ControlsInTabOrder()[17], (ControlRef{ControlArray::Text2, 0}));
    EXPECT_EQ(Caption(ControlsInTabOrder()[26]), "円");
}

TEST(FormLayout, EveryControlLiesInsideItsFrameAndEveryFrameInsideTheWindow) {
    for (const ControlRef control : ControlsInTabOrder()) {
        const TwipPlacement& place = PlacementOf(control);
        SCOPED_TRACE(place.caption);
        const std::size_t frame = FrameOf(control);
        const int width = frame == kNoFrame ? kClientWidthTwips
                                            : PlacementOf({ControlArray::Frame1, frame}).width;
        const int height = frame == kNoFrame ? kClientHeightTwips
                                             : PlacementOf({ControlArray::Frame1, frame}).height;
        EXPECT_GT(place.left, 0);
        EXPECT_GT(place.top, 0);
        EXPECT_LT(place.left + place.width, width);
        EXPECT_LT(place.top + place.height, height);
    }
    // The panels: minutes in frame 4, yen in frame 5, each with its button and label.
    EXPECT_EQ(Caption({ControlArray::Frame1, FrameOf({ControlArray::Text2, 0})}), "通話料金");
    EXPECT_EQ(Caption({ControlArray::Frame1, FrameOf({ControlArray::Command1, 0})}), "通話時間");
    EXPECT_EQ(Caption({ControlArray::Frame1, FrameOf({ControlArray::Label1, 1})}), "通話料金");
    EXPECT_EQ(Caption({ControlArray::Frame1, FrameOf({ControlArray::Option3, 3})}), "通話時間帯");
}

}  // namespace
}  // namespace tolvane
