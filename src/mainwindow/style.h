#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace tolvane {

// The window's two departures from the application's style, which does everything else:
// - The plan options are only 12 pixels high, less than the style's 14-pixel circle, which
//   would be drawn flattened at top and bottom. Every option's circle is one size, the largest
//   that fits the shortest option row, so that the window reads as one.
// - Fusion draws a frame from a picture, and loading that picture brings in Qt's image-format
//   plugins at start-up. The frames here are drawn from a picture too, in the same shape and
//   colours, but one the painter makes: 9 pixels square, stretched by its middle row and column.
//   Drawn whole at their real size, the frames would be blends large enough for Qt to hand out
//   to worker threads, and starting those would cost a tenth of the window's start-up.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

  public:
    // `shortestOptionRow`: the height of the shortest option row, in pixels.
    explicit WindowStyle(int shortestOptionRow) : shortestOptionRow_(shortestOptionRow) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  private:
    // The frame's picture at the device pixel ratio it was last drawn for.
    const QPixmap& FramePicture(qreal devicePixelRatio) const;

    int shortestOptionRow_;
    mutable QPixmap framePicture_;
};

}  // namespace tolvane
