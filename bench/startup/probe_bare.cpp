// The least a Qt window of the calculator's size with Japanese text costs: the baseline.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_paint_probe.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvane"));
    window.setFixedSize(346, 343);
    QLabel label(QStringLiteral("通話料金の計算"), &window);
    label.move(16, 16);
    FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
