#include "qtwindow/style.h"

#include <algorithm>

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

#include "form/form_captions.h"
#include "form/form_contrast.h"

namespace tolvane::qt {
namespace {

// Where the frame starts below a group box's top: under its title, as the style places it.
constexpr int kFrameGapBelowTitle = 3;

QColor EdgeOver(const QPalette& palette, double contrast) {
    const auto rgb = [&palette](QPalette::ColorRole role) {
        const QColor colour = palette.color(role);
        return Rgb{colour.red(), colour.green(), colour.blue()};
    };
    const Rgb edge =
        tolvane::EdgeColour(rgb(QPalette::Window), rgb(QPalette::WindowText), contrast);
    return {edge.red, edge.green, edge.blue};
}

}  // namespace

const WindowStyle::Edges& WindowStyle::EdgesOver(const QPalette& palette) const {
    // Every frame and option of a paint shares the window's palette: worked out once for it.
    if (edgesPalette_ != palette.cacheKey()) {
        edgesPalette_ = palette.cacheKey();
        edges_ = {EdgeOver(palette, kFrameContrast), EdgeOver(palette, kCircleContrast)};
    }
    return edges_;
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight: return OptionCircle();
        case PM_RadioButtonLabelSpacing: return kOptionGap;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox) {
        DrawFrame(*option, *painter);
    } else if (element == PE_IndicatorRadioButton) {
        DrawCircle(*option, *painter);
    } else {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void WindowStyle::DrawFrame(const QStyleOption& option, QPainter& painter) const {
    const int top =
        std::max(QProxyStyle::pixelMetric(PM_ExclusiveIndicatorHeight, &option, nullptr),
                 option.fontMetrics.height()) +
        kFrameGapBelowTitle;
    const QRect frame = option.rect.adjusted(1, top + 1, 0, 0);
    // Four plain lines without their corner pixels, which round the corners a little: drawn
    // opaque and unsmoothed, they cost the painter next to nothing.
    const QColor edge = EdgesOver(option.palette).frame;
    const int width = frame.width(), height = frame.height();
    painter.fillRect(QRect(frame.left() + 1, frame.top(), width - 2, 1), edge);
    painter.fillRect(QRect(frame.left() + 1, frame.bottom(), width - 2, 1), edge);
    painter.fillRect(QRect(frame.left(), frame.top() + 1, 1, height - 2), edge);
    painter.fillRect(QRect(frame.right(), frame.top() + 1, 1, height - 2), edge);
}

void WindowStyle::DrawCircle(const QStyleOption& option, QPainter& painter) const {
    const QPalette& palette = option.palette;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(EdgesOver(palette).circle, 1));
    // Pressed, the circle takes the buttons' colour, as the style shows a press.
    painter.setBrush((option.state & State_Sunken) != 0 ? palette.button() : palette.base());
    painter.drawEllipse(circle);
    if ((option.state & State_On) != 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(palette.text());
        const qreal radius = circle.width() / 4.5;
        painter.drawEllipse(circle.center(), radius, radius);
    }
    painter.restore();
}

}  // namespace tolvane::qt
