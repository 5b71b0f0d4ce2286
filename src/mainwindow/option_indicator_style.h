#pragma once

#include <QProxyStyle>

namespace tolvane {

// The plan options are only 12 pixels high, less than the style's 14-pixel circle, which would
// be drawn flattened at top and bottom. This style shrinks an option's circle to fit its box
// and leaves everything else to the application's style.
class OptionIndicatorStyle : public QProxyStyle {
    Q_OBJECT

  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace tolvane
