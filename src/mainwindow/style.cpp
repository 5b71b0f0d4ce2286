#include "mainwindow/style.h"

#include <algorithm>

#include <QPainter>
#include <QStyleOption>
#include <QWidget>

namespace tolvane {
namespace {

// Where the frame starts below a group box's top: under its title, as the style places it.
constexpr int kFrameGapBelowTitle = 3;
// The contrast asked of an edge against the window: 3:1 with a little to spare for the frames,
// whose lines are drawn whole; more for the circles, whose smoothed outline covers no pixel whole.
constexpr double kFrameContrast = 3.3;
constexpr double kCircleContrast = 4.5;

// x^2.4 for x in (0, 1], as the fifth root of x^12 found by Newton's method from x^2, which lies
// above it: the maths library's pow would bring a quarter of a megabyte of its pages into every
// start-up, for a few colours.
double PowerTwoPointFour(double x) {
    const double square = x * x;
    const double twelfth = square * square * square * square * square * square;
    double root = square;
    for (int step = 0; step < 64; ++step) {
        const double fourth = (root * root) * (root * root);
        const double next = root - (fourth * root - twelfth) / (5 * fourth);
        if (!(next < root)) {
            break;
        }
        root = next;
    }
    return root;
}

// The luminance a reader sees, from the sRGB channels.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : PowerTwoPointFour((channel + 0.055) / 1.055);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double Contrast(double first, double second) {
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor Blend(const QColor& under, const QColor& over, int percent) {
    const auto channel = [percent](int from, int to) { return from + (to - from) * percent / 100; };
    return QColor(channel(under.red(), over.red()), channel(under.green(), over.green()),
                  channel(under.blue(), over.blue()));
}

// The colour of an edge the window draws over `palette`: the least blend of its window text over
// its window that stands out from the window by `contrast` (WCAG's ratio).
QColor EdgeColour(const QPalette& palette, double contrast) {
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    const double windowLuminance = Luminance(window);
    for (int percent = 30; percent < 100; percent += 5) {
        const QColor edge = Blend(window, text, percent);
        if (Contrast(Luminance(edge), windowLuminance) >= contrast) {
            return edge;
        }
    }
    return text;
}

}  // namespace

const WindowStyle::Edges& WindowStyle::EdgesOver(const QPalette& palette) const {
    // Every frame and option of a paint shares the window's palette: worked out once for it.
    if (edgesPalette_ != palette.cacheKey()) {
        edgesPalette_ = palette.cacheKey();
        edges_ = {EdgeColour(palette, kFrameContrast), EdgeColour(palette, kCircleContrast)};
    }
    return edges_;
}

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

}  // namespace tolvane
