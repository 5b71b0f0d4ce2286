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
#include "form/form_layout.h"
#include "form/form_pixels.h"
#include "qtwindow/fonts.h"

namespace {

using tolvane::ControlArray;

QWidget* Made(tolvane::ControlRef control, QWidget* parent) {
    const QString caption = QString::fromUtf8(tolvane::PlacementOf(control).caption);
    switch (control.array) {
        case ControlArray::Frame1: return new QGroupBox(caption, parent);
        case ControlArray::Text1:
        case ControlArray::Text2: return new QLineEdit(caption, parent);
        case ControlArray::Command1: return new QPushButton(caption, parent);
        case ControlArray::Label1: return new QLabel(caption, parent);
        default: return new QRadioButton(caption, parent);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setFont(tolvane::qt::WindowFont());
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvane"));
    window.setFixedSize(346, 343);
    std::array<QWidget*, 6> frames{};
    for (std::size_t index = 0; index < frames.size(); ++index) {
        frames[index] = Made({ControlArray::Frame1, index}, &window);
    }
    for (const tolvane::ControlRef control : tolvane::ControlsInTabOrder()) {
        QWidget* widget = control.array == ControlArray::Frame1
                              ? frames[control.index]
                              : Made(control, frames.at(tolvane::FrameOf(control)));
        const tolvane::PixelRect place =
            tolvane::PixelPlacement(control, 96, tolvane::PixelOrigin::Frame);
        widget->setGeometry(place.left, place.top, place.width, place.height);
    }
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
