// The Qt face only: how the form maps onto Qt's widgets, keys, fonts and message boxes. What the
// form decides is proven once, without a window, in tests/form/.
#include "qtwindow/window.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "common/temp_dir.h"
#include "form/form_captions.h"
#include "form/form_contrast.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "qtwindow/app.h"

using tolvane::ControlArray;
using tolvane::ControlRef;
using tolvane::qt::MainF;

namespace {

// A window started as the program does, with a table of 60-second units beside it, active.
class Harness {
  public:
    Harness() {
        dir_.Write("table.csv",
                   "60,60,60,60,60,60\n60,60,60,60,60,60\n"
                   "60,60,60,60,60,60\n60,60,60,60,60,60\n");
        window_ = std::make_unique<MainF>(dir_.path().string());
        window_->Start();
        Activate();
    }
    MainF* operator->() { return window_.get(); }
    // Offscreen, Qt leaves no window active once a box has closed.
    void Activate() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    QString Boxes() const { return Text(1)->text() + "|" + Text(2)->text(); }
    // The controls by their arrays' names.
    QLineEdit* Text(int box) const {
        return window_->Box(box == 1 ? tolvane::TextBox::Text1 : tolvane::TextBox::Text2);
    }
    QRadioButton* Option(ControlArray array, std::size_t index) const {
        return static_cast<QRadioButton*>(window_->Control({array, index}));
    }
    QPushButton* Command1(std::size_t index) const {
        return static_cast<QPushButton*>(window_->Control({ControlArray::Command1, index}));
    }

  private:
    tolvane::testing::TempDir dir_;
    std::unique_ptr<MainF> window_;
};

// Calls `look` with each message box that comes up, once it has the keyboard, and records what
// it shows and the boxes meanwhile. `look` must close the box.
class BoxWatch {
  public:
    BoxWatch(Harness& window, std::function<void(QMessageBox&)> look) {
        timer_.callOnTimeout([this, &window, look] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && QApplication::activeWindow() == box &&
                QApplication::focusWidget() != nullptr) {
                seen << box->text() << window.Boxes();
                look(*box);
            }
        });
        timer_.start(20);
    }
    QStringList seen;

  private:
    QTimer timer_;
};

QWidget* Focus() {
    return QApplication::focusWidget();
}

// Presses keys as xdotool names them, which Qt's key sequences read: "Left", "alt+a", "ctrl+c".
void Press(const QString& names) {
    for (const QString& name : names.split(' ')) {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(Focus(), key.key(), key.keyboardModifiers());
    }
}

// The control a scenario names: Text1, Text2, or an option's or a button's caption.
QWidget* Named(Harness& window, const QString& name) {
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        if (name == QString::fromUtf8(tolvane::PlacementOf(control).caption)) {
            return window->Control(control);
        }
    }
    return window.Text(name == "Text1" ? 1 : 2);
}

}  // namespace

class QtWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    void drawsItsEdgesInThePalette_data();
    void drawsItsEdgesInThePalette();
    void startsAsLaidOut();
    void everyCaptionFitsItsRoom();
    void optionsByMouse();
    void playsTheScenario();
    void messageBoxesCopyAndCloseByKey();
    void anAccessKeyConvertsWhatTheWindowHeld_data();
    void anAccessKeyConvertsWhatTheWindowHeld();
};

// The application as the program makes it.
void QtWindowTest::initTestCase() {
    tolvane::qt::PrepareApplication(*qApp);
}

// The frames and the unchecked option circles the window draws itself stand out from the window
// at least 3:1, in the light palette and in a dark one: each frame at its left side and its
// bottom, each circle at its most visible pixel.
void QtWindowTest::drawsItsEdgesInThePalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QPalette dark;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, QColor(53, 53, 53)},
                                       {QPalette::WindowText, Qt::white},
                                       {QPalette::Base, QColor(42, 42, 42)},
                                       {QPalette::Text, Qt::white},
                                       {QPalette::Button, QColor(53, 53, 53)},
                                       {QPalette::ButtonText, Qt::white}}) {
        dark.setColor(role, colour);
    }
    QTest::newRow("dark") << dark;
}

void QtWindowTest::drawsItsEdgesInThePalette() {
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    Harness window;
    const QImage picture = window->grab().toImage();
    QApplication::setPalette(before);
    const QRgb background = picture.pixel(0, 0);
    QCOMPARE(QColor(background), palette.color(QPalette::Window));
    // The most visible of the device pixels that make up `place`, in the window's pixels.
    const auto mostVisible = [&](const QRect& place) {
        const qreal ratio = picture.devicePixelRatio();
        const QRect pixels(QPoint(qFloor(place.left() * ratio), qFloor(place.top() * ratio)),
                           QPoint(qCeil((place.right() + 1) * ratio) - 1,
                                  qCeil((place.bottom() + 1) * ratio) - 1));
        double most = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                most =
                    std::max(most, tolvane::ContrastRatio(
                                       {qRed(pixel), qGreen(pixel), qBlue(pixel)},
                                       {qRed(background), qGreen(background), qBlue(background)}));
            }
        }
        return most;
    };
    for (std::size_t frame = 0; frame < tolvane::MembersOf(ControlArray::Frame1); ++frame) {
        const QRect box = window->Control({ControlArray::Frame1, frame})->geometry();
        for (const QPoint edge :
             {QPoint(box.left() + 1, box.bottom() - 8), QPoint(box.center().x(), box.bottom())}) {
            const double contrast = mostVisible(QRect(edge, edge));
            QVERIFY2(contrast >= 3, qPrintable(QString::number(contrast)));
        }
    }
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        auto* option = qobject_cast<QRadioButton*>(window->Control(control));
        if (option == nullptr || option->isChecked()) {
            continue;
        }
        QStyleOptionButton look;
        look.initFrom(option);
        const QRect circle = option->style()
                                 ->subElementRect(QStyle::SE_RadioButtonIndicator, &look, option)
                                 .translated(option->mapTo(window.operator->(), QPoint()));
        const double contrast = mostVisible(circle);
        QVERIFY2(contrast >= 3, qPrintable(option->text() + ": " + QString::number(contrast)));
    }
}

// Every control where the form places it, in its frame, with its caption and the first option
// of each group checked; the focus, title, size, icon and Qt's own texts in Japanese.
void QtWindowTest::startsAsLaidOut() {
    Harness window;
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        QWidget* widget = window->Control(control);
        const auto place = tolvane::PixelPlacement(control, 96, tolvane::PixelOrigin::Frame);
        QCOMPARE(widget->geometry(), QRect(place.left, place.top, place.width, place.height));
        const std::size_t frame = tolvane::FrameOf(control);
        QCOMPARE(widget->parentWidget(), frame == tolvane::kNoFrame
                                             ? static_cast<QWidget*>(window.operator->())
                                             : window->Control({ControlArray::Frame1, frame}));
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            QCOMPARE(option->text(), QString::fromUtf8(tolvane::PlacementOf(control).caption));
            QCOMPARE(option->isChecked(), control.index == 0);
        }
    }
    QCOMPARE(window.Command1(1)->text() + window.Boxes(), QString("料金→時間計算(&B)0|0"));
    QCOMPARE(window->Control({ControlArray::Label1, 1})->font().pointSizeF(),
             tolvane::kUnitLabelFont.points);
    QCOMPARE(window.Text(1)->accessibleName() + window.Text(2)->accessibleName(),
             QString("通話時間通話料金"));
    QVERIFY(window.Text(1)->maxLength() >= 1'000'000);
    QCOMPARE(Focus(), window->Control(tolvane::kFirstFocus));
    // The focus mark is drawn from the first paint, not only once Tab has been pressed.
    QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
    QCOMPARE(window->windowTitle() + QString::number(window->width()) +
                 QString::number(window->height()),
             QString("Tolvane346343"));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(window->windowIcon().availableSizes(),
             QList<QSize>({{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    // Qt's own texts in Japanese: a text box's menu, its shortcuts aside, without a Latin word.
    std::unique_ptr<QMenu> menu(window.Text(1)->createStandardContextMenu());
    QString texts;
    for (const QAction* action : menu->actions()) {
        texts += action->text().section('\t', 0, 0) + ", ";
    }
    QVERIFY2(menu->actions().size() >= 7 && !texts.contains(QRegularExpression("[A-Za-z]{3}")),
             qPrintable(texts));
}

// Each caption in a font of the one Japanese family it is drawn in, found once (the unit labels'
// stands in for MS P Gothic), with the room the form's fitting gave it: every option's circle one
// size and whole, its caption after the form's gap. Run under several font set-ups by CTest.
void QtWindowTest::everyCaptionFitsItsRoom() {
    Harness window;
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        QWidget* widget = window->Control(control);
        const QFontInfo font(widget->font());
        QCOMPARE(widget->font().families(), QStringList(font.family()));
        QVERIFY(QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese));
        if (tolvane::IsOption(control.array)) {
            QStyleOptionButton option;
            option.initFrom(widget);
            const auto part = [&](QStyle::SubElement element) {
                return widget->style()->subElementRect(element, &option, widget);
            };
            const QRect circle = part(QStyle::SE_RadioButtonIndicator);
            QCOMPARE(circle.height(), tolvane::OptionCircle());
            QVERIFY(circle.top() >= 0 && circle.bottom() + 1 < widget->height());
            QCOMPARE(part(QStyle::SE_RadioButtonContents).left(),
                     tolvane::OptionCircle() + tolvane::kOptionGap);
        }
    }
    // A line of typed text, as tall as its font's ascent and descent, fits inside each box's
    // frame, where the box draws it: descenders are not cut off.
    for (QLineEdit* box : {window.Text(1), window.Text(2)}) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect inside =
            box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        QVERIFY2(QFontMetrics(box->font()).height() <= inside.height(),
                 qPrintable(QFontInfo(box->font()).family()));
    }
}

// The options' mouse: a press dragged off an option takes the focus without choosing it, and Tab
// still stops at the checked one; a click anywhere in an option's box, beyond its circle and
// caption, chooses it. (The keys are the scenario's.)
void QtWindowTest::optionsByMouse() {
    Harness window;
    QTest::mousePress(window.Option(ControlArray::Option3, 2), Qt::LeftButton);
    QTest::mouseRelease(window.Option(ControlArray::Option3, 2), Qt::LeftButton, {},
                        QPoint(-40, -40));
    window.Option(ControlArray::Option2, 0)->setFocus();
    QTest::keyClick(Focus(), Qt::Key_Tab);
    QCOMPARE(Focus(), window.Option(ControlArray::Option3, 0));
    QTest::mouseClick(window.Option(ControlArray::Option2, 1), Qt::LeftButton, {},
                      {window.Option(ControlArray::Option2, 1)->width() - 2,
                       window.Option(ControlArray::Option2, 1)->height() / 2});
    QVERIFY(window.Option(ControlArray::Option2, 1)->isChecked());
}

// The scenario every face plays (tests/e2e/scenario.txt), in real message boxes, each key where
// the focus is; the options the keys reached last are then the form's state.
void QtWindowTest::playsTheScenario() {
    Harness window;
    QFile file(TOLVANE_SCENARIO);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString boxes = window.Boxes();
    bool closing = false;  // the Return that closes a message box was pressed to see it
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QString action = line.section('\t', 0, 0), expected = line.section('\t', 1);
        const QString what = expected.section(' ', 0, 0), text = expected.section(' ', 1);
        BoxWatch watch(window, [](QMessageBox&) { Press("Return"); });
        window.Activate();
        if (action.startsWith("type ")) {
            QInputMethodEvent typed;  // as an input method commits what was typed
            typed.setCommitString(action.mid(5));
            QApplication::sendEvent(Focus(), &typed);
        } else if (!(closing && action == "key Return")) {
            Press(action.mid(4));
        }
        closing = what == "message";
        if (closing) {
            QTRY_COMPARE(watch.seen, QStringList({text, boxes}));
        } else {
            QTest::qWait(what == "nothing" ? 300 : 0);  // longer than an animated click
            QVERIFY2(watch.seen.isEmpty(), qPrintable(line + ": " + watch.seen.join(", ")));
        }
        if (what == "focus") {
            auto* option = qobject_cast<QRadioButton*>(Focus());
            QVERIFY2(Focus() == Named(window, text) && (option == nullptr || option->isChecked()),
                     qPrintable(line));
        } else if (what == "boxes") {
            QTRY_COMPARE(window.Boxes(), text);
            boxes = text;
        }
    }
    QVERIFY(window->State().PlanFactor == 0.9f);
    QCOMPARE(window->State().TimeBand * 10 + window->State().DistanceBand, 35);
}

// Qt's box over the window: its title, icon and one OK; a click on its text, to select, leaves
// Ctrl+C copying the whole sentence (a megabyte shown shortened, at once) and Space closing it;
// one box for every message.
void QtWindowTest::messageBoxesCopyAndCloseByKey() {
    Harness window;
    std::set<QMessageBox*> boxes;
    QStringList looks;
    BoxWatch watch(window, [&](QMessageBox& box) {
        boxes.insert(&box);
        QTest::mouseClick(box.findChild<QLabel*>("qt_msgbox_label"), Qt::LeftButton);
        QApplication::clipboard()->clear();
        Press("ctrl+c");
        looks << box.windowTitle() + QString::number(box.icon()) + box.buttons()[0]->text() +
                     QString::number(box.buttons().size())
              << QApplication::clipboard()->text()
              << QString::number(box.parentWidget() == window.operator->());
        Press("space");
        box.done(0);  // whatever happened, so that a failure cannot hang the test
    });
    window.Text(1)->setText("1" + QString(999'999, QChar('0')) + "e-999999");
    window.Command1(0)->click();
    QVERIFY(watch.seen.value(0).size() < 300);
    QCOMPARE(looks, QStringList({"Tolvane" + QString::number(QMessageBox::Information) + "OK1",
                                 window.Text(1)->text() + "分間の通話で料金は約18円です。", "1"}));
    QTRY_COMPARE(window.Text(2)->text(), QString("18"));
    window.Text(1)->setText("-1");
    window.Command1(0)->click();
    QCOMPARE(looks.value(3), "Tolvane" + QString::number(QMessageBox::Critical) + "OK1");

    QCOMPARE(boxes.size(), std::size_t{1});
}

// An access key converts what the window held when it went down: a key that follows 30 ms
// later, sent where the keyboard still was, finds the message up and is dropped, whether it would
// choose another option, type into the box or press the other button.
void QtWindowTest::anAccessKeyConvertsWhatTheWindowHeld_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("next");
    QTest::newRow("Down on an option") << "スーパーパックＬ"
                                       << "Down";
    QTest::newRow("a digit in the box") << "Text1"
                                        << "5";
    QTest::newRow("the other button") << "Text1"
                                      << "alt+b";
}

void QtWindowTest::anAccessKeyConvertsWhatTheWindowHeld() {
    QFETCH(QString, focus);
    QFETCH(QString, next);
    Harness window;
    window.Text(1)->setText("3");
    Named(window, focus)->setFocus();
    QWindow* keyboard = window->windowHandle();
    QStringList seen;
    QTimer::singleShot(30, [&] {
        const QKeyCombination key = QKeySequence(next)[0];
        QTest::keyClick(keyboard, key.key(), key.keyboardModifiers());
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen << (box != nullptr ? box->text() : "no box") << window.Boxes();
        if (box != nullptr) {
            box->done(0);
        }
    });
    QTest::keyClick(keyboard, Qt::Key_A, Qt::AltModifier);
    QCOMPARE(seen, QStringList({"3分間の通話で料金は約36円です。", "3|0"}));
    QCOMPARE(window.Boxes(), QString("3|36"));
    QVERIFY(window.Option(ControlArray::Option1, 0)->isChecked());
}

QTEST_MAIN(QtWindowTest)
#include "qt_window_test.moc"
