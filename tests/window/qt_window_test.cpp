// The Qt face only: how the form maps onto Qt's widgets, keys, fonts and message boxes. What the
// form decides is proven once, without a window, in tests/form/.
#include "mainwindow/window.h"

#include <cstddef>
#include <memory>
#include <set>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include "common/temp_dir.h"
#include "form/form_captions.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "mainwindow/app.h"

using tolvane::ControlArray;
using tolvane::ControlRef;
using tolvane::MainF;

namespace {

// A window started as the program does, with the shipped table beside it, its messages
// recorded; `recorded` = false keeps the real message boxes.
class Harness {
  public:
    explicit Harness(bool recorded = true) {
        dir_.Write("table.csv",
                   "60,60,60,60,60,60\n60,60,60,60,60,60\n"
                   "60,60,60,60,60,60\n60,60,60,60,60,60\n");
        MainF::MessageShower record = [this](const tolvane::Message& message) {
            shown << QString::fromStdString(message.shown);
        };
        window_ = std::make_unique<MainF>(recorded ? record : MainF::MessageShower{},
                                          dir_.path().string());
        window_->Start();
        window_->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window_.get());
    }
    MainF* operator->() { return window_.get(); }
    MainF* get() { return window_.get(); }

    QStringList shown;

  private:
    tolvane::testing::TempDir dir_;
    std::unique_ptr<MainF> window_;
};

QString BoxesOf(MainF* window) {
    return window->Text1->text() + "|" + window->Text2->text();
}

// The control a scenario names: an option's or a button's caption, or a text box.
QWidget* Named(MainF* window, const QString& name) {
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        const QString caption = QString::fromUtf8(tolvane::PlacementOf(control).caption);
        const bool box =
            control.array == ControlArray::Text1 || control.array == ControlArray::Text2;
        if (box ? name == (control.array == ControlArray::Text1 ? "Text1" : "Text2")
                : caption == name) {
            return window->Control(control);
        }
    }
    return nullptr;
}

// Presses keys named as xdotool names them: "Left", "space", "alt+a", "shift+Tab".
void Press(const QString& names) {
    for (const QString& name : names.split(' ')) {
        const QString key = name.section('+', -1);
        const Qt::KeyboardModifiers modifiers = name.startsWith("alt+")     ? Qt::AltModifier
                                                : name.startsWith("shift+") ? Qt::ShiftModifier
                                                                            : Qt::NoModifier;
        const QKeySequence sequence(key == "space" ? QString("Space") : key);
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(sequence[0].key()),
                        modifiers);
    }
}

}  // namespace

class QtWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void initTestCase();
    // First: it counts the process's pooled threads from before anything was painted.
    void paintsItsFramesWithoutWorkerThreads();
    void startsAsLaidOut();
    void everyCaptionFitsItsRoom();
    void tabStopsAndArrowsAreTheForms();
    void playsTheScenario();
    void realMessageBoxesAndAMegabyteOfInput();

  private:
    QFont desktopFont_;
};

// The application as the program makes it, the desktop's font noted first.
void QtWindowTest::initTestCase() {
    desktopFont_ = QApplication::font();
    tolvane::PrepareApplication(*qApp);
}

// Qt's raster engine splits a big enough blend among pooled threads; the frames, once drawn whole
// at their size, were such blends, and starting those threads cost a tenth of start-up. Each
// frame must still be drawn: an outline clearly darker than the window, along its left side and
// its bottom.
void QtWindowTest::paintsItsFramesWithoutWorkerThreads() {
    const auto pooledThreads = [] {
        int count = 0;
        for (const QFileInfo& task : QDir("/proc/self/task").entryInfoList(QDir::Dirs)) {
            QFile name(task.filePath() + "/comm");
            count += name.open(QIODevice::ReadOnly) && name.readAll().startsWith("Thread (pooled)");
        }
        return count;
    };
    QCOMPARE(pooledThreads(), 0);
    Harness window;
    const QImage picture = window->grab().toImage();
    QCOMPARE(pooledThreads(), 0);
    const int background = qGray(picture.pixel(0, 0));
    for (const QGroupBox* frame : window->Frame1) {
        const QRect box = frame->geometry();
        for (const QPoint edge :
             {QPoint(box.left() + 1, box.bottom() - 8), QPoint(box.center().x(), box.bottom())}) {
            const int darker = background - qGray(picture.pixel(edge));
            QVERIFY2(darker >= 15 && darker <= 35,
                     qPrintable(QString("%1 at %2,%3").arg(darker).arg(edge.x()).arg(edge.y())));
        }
    }
}

// Every control where the form places it, nested in its frame, with its caption; the window's
// title, size and icon; Qt's own texts in Japanese.
void QtWindowTest::startsAsLaidOut() {
    Harness window;
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        QWidget* widget = window->Control(control);
        const tolvane::PixelRect place =
            tolvane::PixelPlacement(control, 96, tolvane::PixelOrigin::Frame);
        QCOMPARE(widget->geometry(), QRect(place.left, place.top, place.width, place.height));
        const std::size_t frame = tolvane::FrameOf(control);
        QCOMPARE(widget->parentWidget(), frame == tolvane::kNoFrame
                                             ? static_cast<QWidget*>(window.get())
                                             : window->Frame1.at(frame));
        if (auto* option = qobject_cast<QRadioButton*>(widget)) {
            QCOMPARE(option->text(), QString::fromUtf8(tolvane::PlacementOf(control).caption));
            QCOMPARE(option->isChecked(), control.index == 0);
        }
    }
    QCOMPARE(window->Command1[1]->text(), QString("料金→時間計算(&B)"));
    QCOMPARE(BoxesOf(window.get()), QString("0|0"));
    QCOMPARE(window->Text1->accessibleName() + window->Text2->accessibleName(),
             QString("通話時間通話料金"));
    QVERIFY(window->Text1->maxLength() >= 1'000'000);
    QCOMPARE(QApplication::focusWidget(), window->Control(tolvane::kFirstFocus));
    // The focus mark is drawn from the first paint, not only once Tab has been pressed.
    QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
    QCOMPARE(window->windowTitle(), QString("Tolvane"));
    QCOMPARE(window->size(), QSize(346, 343));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    // Drawn for each size a title bar uses up to 2x, none scaled from another; the application's,
    // so that a box shown before the window has it too.
    QCOMPARE(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QCOMPARE(QApplication::windowIcon().availableSizes(),
             QList<QSize>({{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    std::unique_ptr<QMenu> menu(window->Text1->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().section('\t', 0, 0);  // less the shortcut
    }
    QVERIFY2(texts.size() >= 7 && texts.filter(QRegularExpression("[A-Za-z]{3}")).isEmpty(),
             qPrintable(texts.join(", ")));
}

// Measured as the style lays each control out: the caption's advance in the control's own font
// against the room its style gives the text, and its ink against the control's height. Run under
// several font set-ups by CTest. Every option circle is one size, and whole.
void QtWindowTest::everyCaptionFitsItsRoom() {
    Harness window;
    // A set-up that names a desktop font must really have handed it to the application.
    if (const QString desktop = qEnvironmentVariable("EXPECT_DESKTOP_FONT"); !desktop.isEmpty()) {
        const QFontInfo font(desktopFont_);
        QCOMPARE(font.family() + ' ' + QString::number(font.pointSize()), desktop);
    }
    std::set<int> circles;
    for (const ControlRef control : tolvane::ControlsInTabOrder()) {
        QWidget* widget = window->Control(control);
        if (control.array == ControlArray::Text1 || control.array == ControlArray::Text2) {
            continue;
        }
        QStyleOptionButton option;
        option.initFrom(widget);
        QRect room = widget->contentsRect();  // a label's
        if (tolvane::IsOption(control.array) || control.array == ControlArray::Command1) {
            room = widget->style()->subElementRect(tolvane::IsOption(control.array)
                                                       ? QStyle::SE_RadioButtonContents
                                                       : QStyle::SE_PushButtonContents,
                                                   &option, widget);
        } else if (control.array == ControlArray::Frame1) {
            room = widget->rect().adjusted(6, 0, -6, 0);
        } else {
            // The unit labels ask for MS P Gothic and get a Japanese gothic in its place.
            QVERIFY(QFontDatabase::writingSystems(QFontInfo(widget->font()).family())
                        .contains(QFontDatabase::Japanese));
        }
        // Each font names the one family it is drawn in, found once.
        QCOMPARE(widget->font().families(), QStringList(QFontInfo(widget->font()).family()));
        const QFontMetricsF metrics(widget->font(), widget);
        const QString shown =
            QString::fromStdString(tolvane::ShownCaption(tolvane::PlacementOf(control).caption));
        const qreal spare = room.width() - metrics.horizontalAdvance(shown);
        const QString about =
            QString::asprintf("%s in %s: %g px spare, ink %g of %d px", qPrintable(shown),
                              qPrintable(QFontInfo(widget->font()).family()), spare,
                              metrics.tightBoundingRect(shown).height(), widget->height());
        QVERIFY2(spare >= -0.01 && metrics.tightBoundingRect(shown).height() <= widget->height(),
                 qPrintable(about));
        if (tolvane::IsOption(control.array)) {
            const QRect circle =
                widget->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, widget);
            circles.insert(circle.height());
            QVERIFY2(circle.top() >= 0 && circle.bottom() + 1 < widget->height(),
                     qPrintable(about));
        }
    }
    QCOMPARE(circles.size(), std::size_t{1});
}

// Tab visits the form's stops, each option group at its checked option however it was chosen;
// an arrow key reaches the form's target, round the end of a group, and checks it.
void QtWindowTest::tabStopsAndArrowsAreTheForms() {
    Harness window;
    QTest::mouseClick(window->Option1[2], Qt::LeftButton);
    window->Option4[3]->setChecked(true);
    // A press dragged off an option takes the focus without choosing it.
    QTest::mousePress(window->Option3[2], Qt::LeftButton);
    QTest::mouseRelease(window->Option3[2], Qt::LeftButton, {}, QPoint(-40, -40));
    window->Command1[1]->setFocus();
    QList<QWidget*> visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QList<QWidget*> stops;
    for (const ControlRef stop : tolvane::TabStops([&window](ControlRef option) {
             return static_cast<QAbstractButton*>(window->Control(option))->isChecked();
         })) {
        stops << window->Control(stop);
    }
    QCOMPARE(visited, stops);
    // Left from the first plan wraps to the last, as the form says; a click anywhere in an
    // option's box, where there is neither circle nor caption, chooses it.
    window->Option1[0]->click();
    window->Option1[0]->setFocus();
    QTest::keyClick(window->Option1[0], Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(),
             window->Control(tolvane::ArrowTarget({ControlArray::Option1, 0}, tolvane::Key::Left)));
    QVERIFY(window->Option1[2]->isChecked());
    QTest::mouseClick(window->Option2[1], Qt::LeftButton, {},
                      {window->Option2[1]->width() - 2, window->Option2[1]->height() / 2});
    QVERIFY(window->Option2[1]->isChecked());
}

// The scenario every face plays (tests/e2e/scenario.txt), in real message boxes, each key where
// the focus is.
void QtWindowTest::playsTheScenario() {
    Harness window(false);
    QFile file(TOLVANE_SCENARIO);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString boxes = BoxesOf(window.get());
    bool closed = false;  // the last message's Return was pressed to see it close
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.isEmpty() || line.startsWith('#')) {
            continue;
        }
        const QString action = line.section('\t', 0, 0), expected = line.section('\t', 1);
        const QString what = expected.section(' ', 0, 0), text = expected.section(' ', 1);
        QStringList seen;  // what a message box showed, and the boxes while it was up
        QTimer watch;
        watch.callOnTimeout([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && QApplication::activeWindow() == box &&
                QApplication::focusWidget() != nullptr) {
                seen << box->text() << BoxesOf(window.get());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
        });
        watch.start(20);
        // The window has the keyboard again once a box is gone (offscreen, Qt leaves no window
        // active after a box closes).
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (action.startsWith("type ")) {
            QInputMethodEvent typed;  // as an input method commits what was typed
            typed.setCommitString(action.mid(5));
            QApplication::sendEvent(QApplication::focusWidget(), &typed);
        } else if (!(closed && action == "key Return")) {
            Press(action.mid(4));
        }
        closed = what == "message";
        if (closed) {
            QTRY_COMPARE(seen, QStringList({text, boxes}));
        } else {
            QTest::qWait(what == "nothing" ? 300 : 0);  // longer than an animated click
            QVERIFY2(seen.isEmpty(), qPrintable(line + ": " + seen.join(", ")));
        }
        if (what == "focus") {
            QCOMPARE(QApplication::focusWidget(), Named(window.get(), text));
            auto* option = qobject_cast<QRadioButton*>(QApplication::focusWidget());
            QVERIFY(option == nullptr || option->isChecked());
        } else if (what == "boxes") {
            QTRY_COMPARE(BoxesOf(window.get()), text);
            boxes = text;
        }
    }
    // The options the keys reached last are the form's state.
    QVERIFY(window->State().PlanFactor == 0.9f);
    QCOMPARE(window->State().TimeBand * 10 + window->State().DistanceBand, 35);
}

void QtWindowTest::realMessageBoxesAndAMegabyteOfInput() {
    // A real box waits for a person: one that comes up while the window loads (the table
    // failed to load, say) is closed, so the test fails now rather than at CTest's timeout.
    QString unexpected;
    QTimer watchdog;
    watchdog.callOnTimeout([&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            unexpected = box->text();
            box->done(0);
        }
    });
    watchdog.start(2000);
    Harness window(false);
    watchdog.stop();
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected));

    // Presses, finds the message box that comes up, notes what it shows, copies its text with
    // Ctrl+C and closes it with Space, each key where the focus is. A click on the text first,
    // to select, must leave both keys working.
    std::set<QMessageBox*> boxes;
    const auto pressAndDismiss = [&](int button) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            boxes.insert(box);
            QTRY_COMPARE(QApplication::activeWindow(), box);
            QTest::mouseClick(box->findChild<QLabel*>("qt_msgbox_label"), Qt::LeftButton);
            QApplication::clipboard()->clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
            seen << box->windowTitle() << QString::number(box->icon()) << box->text()
                 << box->buttons().value(0)->text() + QString::number(box->buttons().size())
                 << QApplication::clipboard()->text();
            QCOMPARE(box->parentWidget(), window.get());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            const bool closedBySpace = !box->isVisible();
            box->done(0);  // whatever happened, so that a failure cannot hang the test
            QVERIFY(closedBySpace);
        });
        window->Command1[button]->click();
        return seen;
    };
    window->Text1->setText("-1");
    QCOMPARE(
        pressAndDismiss(0).mid(0, 4),
        QStringList({"Tolvane", QString::number(QMessageBox::Critical),
                     "アルゴリズム内でエラーが発生しました。作者に連絡してください。", "OK1"}));

    // A pasted megabyte: announced at once, by its beginning and its answer; no hang. Ctrl+C
    // still copies the whole sentence.
    QElapsedTimer clock;
    clock.start();
    window->Text1->setText("1" + QString(999'999, QChar('0')) + "e-999999");
    const QStringList seen = pressAndDismiss(0);
    QCOMPARE(seen.value(1), QString::number(QMessageBox::Information));
    QVERIFY(seen.value(2).size() < 300 && seen.value(2).endsWith("約18円です。"));
    QVERIFY(seen.value(4) == window->Text1->text() + "分間の通話で料金は約18円です。");
    QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
    // One box serves every message: a new native window each time would grow without end.
    QCOMPARE(boxes.size(), std::size_t{1});

    // Alt+A, then Alt+B 60 ms later: each access key clicks after a short animation, so B's
    // click comes while A's answer is up. It is ignored, and A writes its own answer.
    window->Text1->setText("3");
    window->Text2->setText("100");
    QStringList shown;
    QTimer::singleShot(400, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        shown << box->text() << BoxesOf(window.get());
        box->button(QMessageBox::Ok)->click();
    });
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window->Text1, Qt::Key_A, Qt::AltModifier);
    QTest::qWait(60);
    QTest::keyClick(window->Text1, Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(window->Text2->text(), QString("36"));
    QTest::qWait(300);
    QCOMPARE(shown, QStringList({"3分間の通話で料金は約36円です。", "3|100"}));
    QCOMPARE(BoxesOf(window.get()), QString("3|36"));
}

QTEST_MAIN(QtWindowTest)
#include "qt_window_test.moc"
