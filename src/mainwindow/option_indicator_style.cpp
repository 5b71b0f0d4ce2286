#include "mainwindow/option_indicator_style.h"

#include <algorithm>

#include <QWidget>

namespace tolvane {

int OptionIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                      const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight) &&
        widget != nullptr) {
        // The circle's outline reaches a pixel beyond its box on one side; keep it inside.
        return std::min(size, widget->height() - 2);
    }
    return size;
}

}  // namespace tolvane
