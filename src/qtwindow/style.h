#pragma once

#include <QColor>
#include <QPalette>
#include <QProxyStyle>

namespace tolvane::qt {

// The window's departures from the application's style, which does everything else:
// - Every option's circle and gap are the form's, where its fitting measured the captions: the
//   style's 14-pixel circle would be drawn flattened in the plans' 12-pixel rows.
// - Frames and option circles in the palette's colours, their edges by the form's EdgeColour,
//   light or dark: Fusion's are all but invisible in a dark palette, and its frames come from a
//   picture, whose loading brings in Qt's image plugins at start-up.
class WindowStyle : public QProxyStyle {
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
