#pragma once

#include <QProxyStyle>

namespace tolvane {

// The window's two departures from the application's style, which does everything else:
// - The plan options are only 12 pixels high, less than the style's 14-pixel circle, which
//   would be drawn flattened at top and bottom: an option's circle shrinks to fit its box.
// - Fusion draws a frame from a picture, and loading that picture brings in Qt's image-format
//   plugins at start-up; the frames here are drawn with the painter instead, in the same shape
//   and colours.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tolvane
