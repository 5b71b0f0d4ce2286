#include "mainwindow/style.h"

#include <algorithm>

#include <qdrawutil.h>
#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace tolvane {
namespace {

// Where the frame starts below a group box's top: under its title, as the style places it.
constexpr int kFrameGapBelowTitle = 3;
// The frame's rounded corner and its edges, inside this many pixels of each side.
constexpr int kFrameCorner = 4;

}  // namespace

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_ExclusiveIndicatorWidth || metric == PM_ExclusiveIndicatorHeight) {
        // The circle's outline reaches a pixel beyond its box on one side; keep it inside.
        return std::min(size, shortestOptionRow_ - 2);
    }
    return size;
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const int top = std::max(QProxyStyle::pixelMetric(PM_ExclusiveIndicatorHeight, option, nullptr),
                             option->fontMetrics.height()) +
                    kFrameGapBelowTitle;
    const QRect frame = option->rect.adjusted(1, top + 1, 0, 0);
    const qreal ratio = painter->device()->devicePixelRatio();
    const QPixmap& picture = FramePicture(ratio);
    const int sourceMargin = qRound(kFrameCorner * ratio);
    qDrawBorderPixmap(
        painter, frame, QMargins(kFrameCorner, kFrameCorner, kFrameCorner, kFrameCorner), picture,
        picture.rect(), QMargins(sourceMargin, sourceMargin, sourceMargin, sourceMargin));
}

const QPixmap& WindowStyle::FramePicture(qreal devicePixelRatio) const {
    if (!framePicture_.isNull() && framePicture_.devicePixelRatio() == devicePixelRatio) {
        return framePicture_;
    }
    constexpr int kSide = 2 * kFrameCorner + 1;
    QImage image(QSize(kSide, kSide) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // Shades of black over the window's own colour, as the style's picture has them: an outline,
    // a faint fill, and a darker inner edge along the top and the left.
    const QRect outer(0, 0, kSide, kSide);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0, 0, 0, 25));
    painter.setBrush(QColor(0, 0, 0, 3));
    painter.drawRoundedRect(QRectF(outer).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QColor(0, 0, 0, 5));
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.drawLine(inner.left() + 1, inner.top(), inner.right() - 1, inner.top());
    painter.drawLine(inner.left(), inner.top() + 1, inner.left(), inner.bottom() - 1);
    painter.setPen(QColor(0, 0, 0, 3));
    painter.drawLine(inner.right(), inner.top() + 1, inner.right(), inner.bottom() - 1);
    painter.drawLine(inner.left() + 1, inner.bottom(), inner.right() - 1, inner.bottom());
    painter.end();
    framePicture_ = QPixmap::fromImage(image);
    return framePicture_;
}

}  // namespace tolvane
