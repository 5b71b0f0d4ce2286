// The bare window holding the calculator's 27 controls as Qt makes them: the same kinds, places
// and captions, in the style of the desktop and in the one Japanese font the calculator uses,
// nothing fitted or drawn by the window. What this costs beyond the bare window is Qt's price for
// the controls the calculator must have. (In the desktop's own font, Qt would first search for a
// font with Japanese in it, a cost the calculator does not have.)
#include <array>
#include <cstddef>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "first_paint_probe.h"
#include "mainwindow/caption_font.h"
#include "mainwindow/window_layout.h"

namespace {

template <typename Control, typename Placements>
void Place(QWidget& parent, const Placements& placements) {
    for (const tolvane::TwipPlacement& placement : placements) {
        tolvane::ApplyPlacement(*new Control(&parent), placement);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setFont(tolvane::WindowFont());
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvane"));
    window.setFixedSize(346, 343);
    const tolvane::WindowLayout& layout = tolvane::kWindowLayout;
    std::array<QGroupBox*, 6> frames{};
    for (std::size_t index = 0; index < frames.size(); ++index) {
        frames[index] = new QGroupBox(&window);
        tolvane::ApplyPlacement(*frames[index], layout.frames[index]);
    }
    Place<QRadioButton>(*frames[0], layout.plans);
    Place<QRadioButton>(*frames[1], layout.destinations);
    Place<QRadioButton>(*frames[2], layout.timeBands);
    Place<QRadioButton>(*frames[3], layout.distanceBands);
    for (std::size_t index = 0; index < 2; ++index) {
        tolvane::ApplyPlacement(*new QLineEdit(frames[4 + index]), layout.textBoxes[index]);
        tolvane::ApplyPlacement(*new QPushButton(frames[4 + index]), layout.buttons[index]);
        tolvane::ApplyPlacement(*new QLabel(frames[4 + index]), layout.unitLabels[index]);
    }
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
