#include "qtwindow/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include "form/form_captions.h"

namespace tolvane::qt {
namespace {

// The first of `families` that is installed, else the first. A font that names only the family
// it will be drawn in spares Qt a search of the desktop's fonts for each missing family and its
// stand-ins, in every script a caption uses: most of what the window's text cost to start with.
QString InstalledFamily(const QStringList& families) {
    // Listed once, as they are: hasFamily would first ask fontconfig for each name's substitute,
    // which costs as much as a font match, and start-up asks three times.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : families) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            return family;
        }
    }
    return families.value(0);
}

}  // namespace

QFont WindowFont() {
    QFont font;
    // IPA P Gothic is metric-compatible with the gothic the boxes were drawn for; Noto Sans CJK
    // JP stands in where it is missing, fitted where it is too large.
    font.setFamily(
        InstalledFamily({QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック"),
                         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAGothic")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kWindowFontPoints);
    // As the fitting sets it: the fitted font is then this very font, loaded once.
    font.setStretch(QFont::Unstretched);
    font.setWeight(QFont::Normal);
    return font;
}

QFont UnitLabelFont() {
    QFont font;
    // Debian has no alias for MS P Gothic: a metric-compatible Japanese font stands in.
    font.setFamily(
        InstalledFamily({QString::fromUtf8(kUnitLabelFont.family), QStringLiteral("MS PGothic"),
                         QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}));
    font.setPointSizeF(kUnitLabelFont.points);
    // Qt's weights run from 1 to 1000 like the classic ones: 400 is Normal.
    font.setWeight(static_cast<QFont::Weight>(kUnitLabelFont.weight));
    return font;
}

QFont Sized(QFont font, const CaptionFont& size) {
    font.setPointSizeF(size.points);
    font.setStretch(size.stretch);
    return font;
}

CaptionExtent MeasureCaption(const QWidget& control, ControlRef ref, const QFont& font) {
    const QFontMetricsF metrics(font, &control);
    const QString shown = QString::fromStdString(ShownCaption(PlacementOf(ref).caption));
    const QRectF ink = metrics.tightBoundingRect(shown);
    return {metrics.horizontalAdvance(shown),
            metrics.ascent(),
            metrics.descent(),
            -ink.top(),
            ink.bottom(),
            metrics.underlinePos() + metrics.lineWidth()};
}

void FitTextBoxFont(std::span<QLineEdit* const> boxes, QFont font) {
    // The boxes are alike: the first is measured as it lays itself out (its own initStyleOption
    // is protected). A box centres one line, as tall as the font's ascent and descent, in the
    // room inside its frame, and cuts off what falls outside: descenders first.
    const QLineEdit& box = *boxes.front();
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box);
    const int room = box.style()
                         ->subElementRect(QStyle::SE_LineEditContents, &option, &box)
                         .marginsRemoved(box.textMargins())
                         .height();
    // A narrower font is no shorter: only the size is tried.
    const CaptionFont fitting = LargestFittingFont(font.pointSizeF(), [&](const CaptionFont& size) {
        return size.stretch == 100 && QFontMetrics(Sized(font, size)).height() <= room;
    });
    font.setPointSizeF(fitting.points);
    for (QLineEdit* each : boxes) {
        each->setFont(font);
    }
}

}  // namespace tolvane::qt
