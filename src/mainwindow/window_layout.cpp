#include "mainwindow/window_layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QWidget>

namespace tolvane {

const WindowLayout kWindowLayout = {
    .frames = {{
        {120, 120, 2415, 1215, "料金コース"},
        {120, 1440, 2415, 1215, "電話先"},
        {120, 2760, 4935, 1095, "通話時間帯"},
        {120, 3960, 4935, 1095, "通信距離"},
        {2640, 120, 2415, 1215, "通話時間"},
        {2640, 1440, 2415, 1215, "通話料金"},
    }},
    .plans = {{
        {240, 360, 1815, 180, "スーパーパックＬ"},
        {240, 600, 1815, 180, "スーパーパックＳ"},
        {240, 840, 1695, 180, "標準コース"},
    }},
    .destinations = {{
        {240, 360, 1935, 255, "Ｈ''・一般電話"},
        {240, 600, 1935, 255, "携帯電話"},
    }},
    .timeBands = {{
        {240, 360, 2295, 255, "深夜・早朝(23時～翌8時)"},
        {240, 600, 2175, 255, "夜間(19時～23時)"},
        {2640, 360, 1935, 255, "昼間(8時～19時)"},
        {2640, 600, 1695, 255, "昼間(土・日・祝)"},
    }},
    .distanceBands = {{
        {240, 360, 1575, 255, "同一区域内"},
        {240, 600, 1815, 255, "隣接区域内・30km"},
        {2160, 360, 1095, 255, "60kmまで"},
        {2160, 600, 1215, 255, "100kmまで"},
        {3480, 360, 1215, 255, "160kmまで"},
        {3480, 600, 1095, 255, "160km超"},
    }},
    .textBoxes = {{
        {480, 480, 1335, 270, "0"},
        {480, 480, 1335, 270, "0"},
    }},
    .buttons = {{
        {360, 840, 1695, 255, "時間→料金計算(&A)"},
        {360, 840, 1695, 255, "料金→時間計算(&B)"},
    }},
    .unitLabels = {{
        {1920, 480, 225, 225, "分"},
        {1920, 480, 225, 225, "円"},
    }},
};

void ApplyPlacement(QWidget& widget, const TwipPlacement& placement) {
    widget.setGeometry(placement.left / kTwipsPerPixel, placement.top / kTwipsPerPixel,
                       placement.width / kTwipsPerPixel, placement.height / kTwipsPerPixel);
    const QString caption = QString::fromUtf8(placement.caption);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
    } else if (auto* box = qobject_cast<QLineEdit*>(&widget)) {
        box->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(caption);
    }
}

}  // namespace tolvane
