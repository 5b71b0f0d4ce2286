#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

namespace tolvane::qt {

// The window's departures from the application's style, which does everything else:
// - Every option's circle and the gap after it are the form's, so that captions stand where the
//   form's fitting measured them. The plan options are only 12 pixels high, less than the style's
//   14-pixel circle, which would be drawn flattened at top and bottom.
// - The frames and the option circles are drawn in the palette's own colours, their edges as the
//   form's EdgeColour finds them, in a light palette or a dark one. Fusion draws both a shade
//   darker than the window, faint even in a light palette and all but invisible in a dark one,
//   and draws its frames from a picture, whose loading brings in Qt's image plugins at start-up.
class WindowStyle : public QProxyStyle {
    Q_OBJECT

  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

  private:
    struct Edges {
        QColor frame;
        QColor circle;
    };

    // The edges' colours over `palette`, kept for the palette last asked about.
    const Edges& EdgesOver(const QPalette& palette) const;
    void DrawFrame(const QStyleOption& option, QPainter& painter) const;
    void DrawCircle(const QStyleOption& option, QPainter& painter) const;

    mutable qint64 edgesPalette_ = -1;
    mutable Edges edges_;
};

}  // namespace tolvane::qt
