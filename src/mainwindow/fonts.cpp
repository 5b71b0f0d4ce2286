#include "mainwindow/caption_font.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>

namespace tolvane {
namespace {

// Room a group box keeps on each side of its title (the frame's corner and a gap).
constexpr int kTitleMargin = 8;
// Narrowing keeps a caption's height; only past this is the font made smaller.
constexpr int kNarrowestStretch = 85;
constexpr int kStretchStep = 5;
constexpr qreal kSizeStep = 0.25;
constexpr qreal kSmallestPointSize = 6.0;
// Advances are fractional; a hundredth of a pixel is no cut.
constexpr qreal kTolerance = 0.01;

// The caption a control shows, its mnemonic marker included ("&A"), or an empty text.
QString CaptionOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&control)) {
        return frame->title();
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return label->text();
    }
    return {};
}

// The part of a control its style gives the caption, in the control's own coordinates.
QRect CaptionRoom(const QWidget& control) {
    QStyleOptionButton option;
    option.initFrom(&control);
    if (qobject_cast<const QRadioButton*>(&control) != nullptr) {
        return control.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &control);
    }
    if (qobject_cast<const QPushButton*>(&control) != nullptr) {
        return control.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &control);
    }
    if (qobject_cast<const QGroupBox*>(&control) != nullptr) {
        return control.rect().adjusted(kTitleMargin, 0, -kTitleMargin, 0);
    }
    return control.contentsRect();
}

// Whether `font` draws the control's caption whole.
bool CaptionFits(const QWidget& control, const QFont& font) {
    const QString caption = CaptionOf(control);
    const QRect room = CaptionRoom(control);
    const QFontMetricsF metrics(font, &control);
    const bool hasMnemonic = caption.contains(u'&');
    const QString shown = hasMnemonic ? QString(caption).remove(u'&') : caption;
    if (metrics.horizontalAdvance(shown) > room.width() + kTolerance) {
        return false;
    }
    // A group box draws its title at its top; everything else centres the line in its room.
    // The painter puts the baseline on a whole device pixel.
    const qreal centred =
        qobject_cast<const QGroupBox*>(&control) != nullptr
            ? metrics.ascent()
            : room.top() + (room.height() - metrics.height()) / 2 + metrics.ascent();
    const qreal scale = control.devicePixelRatioF();
    const qreal baseline = std::round(centred * scale) / scale;
    const QRectF ink = metrics.tightBoundingRect(shown).translated(0, baseline);
    if (ink.height() > control.height() || ink.top() < -kTolerance ||
        ink.bottom() > control.height() + kTolerance) {
        return false;
    }
    const qreal underlineBottom = baseline + metrics.underlinePos() + metrics.lineWidth();
    return !hasMnemonic || underlineBottom <= room.bottom() + 1 + kTolerance;
}

// The largest size of `font`, and at that size the widest stretch, in which every caption fits;
// where none does (a box far too small for any font), the smallest, which cuts least.
QFont LargestFittingFont(const QList<QWidget*>& controls, const QFont& font) {
    const auto allFit = [&controls](const QFont& candidate) {
        return std::all_of(controls.begin(), controls.end(), [&candidate](const QWidget* control) {
            return CaptionFits(*control, candidate);
        });
    };
    QFont candidate = font;
    for (qreal size = font.pointSizeF(); size >= kSmallestPointSize; size -= kSizeStep) {
        candidate.setPointSizeF(size);
        for (int stretch = 100; stretch >= kNarrowestStretch; stretch -= kStretchStep) {
            candidate.setStretch(stretch);
            if (allFit(candidate)) {
                return candidate;
            }
        }
    }
    return candidate;
}

}  // namespace

QString InstalledFamily(const QStringList& families) {
    // The installed families by name, as they are: hasFamily would first ask fontconfig for each
    // name's substitute, which costs as much as a font match. Listed once: start-up asks for the
    // window's family twice (the application's font and the window's) and the unit labels' once.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return families.value(0);
}

QFont WindowFont() {
    QFont font;
    // IPA P Gothic is proportional and metric-compatible with the gothic the boxes were drawn
    // for; Noto Sans CJK JP stands in where it is missing, fitted where it is too large.
    font.setFamily(
        InstalledFamily({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.0);
    // As the fitting sets it: the fitted font is then this very font, loaded once.
    font.setStretch(QFont::Unstretched);
    font.setWeight(QFont::Normal);
    return font;
}

void FitCaptionFont(const QList<QWidget*>& controls, const QFont& font) {
    const QFont fitting = LargestFittingFont(controls, font);
    for (QWidget* control : controls) {
        control->setFont(fitting);
    }
}

}  // namespace tolvane
