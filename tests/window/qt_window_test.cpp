// The Qt face only: how the form maps onto Qt's controls, keys, fonts and message boxes. What the
// handlers decide is proven once, without a window, in tests/form/.
#include "mainwindow/main_window.h"

#include <cstddef>
#include <cstdint>
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
#include "mainwindow/qt_translations.h"

using tolvane::MainF;

namespace {

const QString kFailure = "アルゴリズム内でエラーが発生しました。作者に連絡してください。";

// A window started as the program does, with a table of 60-second units beside it, its
// messages recorded instead of shown; `recorded` = false keeps the real message boxes.
class Harness {
  public:
    explicit Harness(bool recorded = true) {
        dir_.Write("table.csv",
                   "60,60,60,60,60,60\n60,60,60,60,60,60\n"
                   "60,60,60,60,60,60\n60,60,60,60,60,60\n");
        tolvane::ShowMessage record = [this](std::string_view prompt, tolvane::MessageStyle) {
            shown << QString::fromUtf8(prompt.data(), std::ssize(prompt));
        };
        window_ = std::make_unique<MainF>(recorded ? record : tolvane::ShowMessage{},
                                          dir_.path().string());
        window_->Start();
        window_->activateWindow();
        [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window_.get());
    }
    MainF* operator->() { return window_.get(); }

    QStringList shown;

  private:
    tolvane::testing::TempDir dir_;
    std::unique_ptr<MainF> window_;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // First: it counts the process's pooled threads from before anything was painted.
    void paintsItsFramesWithoutWorkerThreads();
    void startsAsLaidOut();
    void everyCaptionFitsItsRoom();
    void tabVisitsEachGroupAtItsCheckedOption();
    void optionsByArrowKeysAndAnywhereInTheirBox();
    void keysPressButtonsThatReadOneBoxAndWriteTheOther();
    void realMessageBoxesAndAMegabyteOfInput();
};

// Qt's raster engine splits a big enough blend among pooled threads; the frames, once drawn whole
// at their size, were such blends, and starting those threads cost a tenth of start-up. Each
// frame must still be drawn: an outline clearly darker than the window, along its left side and
// its bottom.
void MainWindowTest::paintsItsFramesWithoutWorkerThreads() {
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

void MainWindowTest::startsAsLaidOut() {
    Harness window;
    for (QRadioButton* first :
         {window->Option1[0], window->Option2[0], window->Option3[0], window->Option4[0]}) {
        QVERIFY(first->isChecked());
    }
    QCOMPARE(window->Text1->text() + window->Text2->text(), QString("00"));
    QCOMPARE(QApplication::focusWidget(), window->Option1[0]);
    // The focus mark is drawn from the first paint, not only once Tab has been pressed.
    QVERIFY(window->testAttribute(Qt::WA_KeyboardFocusChange));
    QCOMPARE(window->windowTitle(), QString("Tolvane"));
    QCOMPARE(window->size(), QSize(346, 343));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    // Twips to pixels at 15 per pixel; inside a frame, from its corner, title band included.
    QCOMPARE(window->Option1[2]->geometry(), QRect(16, 56, 113, 12));
    QCOMPARE(window->Text2->parentWidget()->geometry(), QRect(176, 96, 161, 81));
    QCOMPARE(window->Command1[1]->text(), QString("料金→時間計算(&B)"));
    QCOMPARE(window->Text1->accessibleName() + window->Text2->accessibleName(),
             QString("通話時間通話料金"));
    QVERIFY(window->Text1->maxLength() >= 1'000'000);
    // Drawn for each size a title bar uses up to 2x, none scaled from another; the application's,
    // so that a box shown before the window has it too.
    QCOMPARE(window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QCOMPARE(QApplication::windowIcon().availableSizes(),
             QList<QSize>({{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
    // Qt's own texts, such as a text box's menu, in Japanese too.
    tolvane::InstallJapaneseQtTexts(*QApplication::instance());
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
// several font set-ups by CTest.
void MainWindowTest::everyCaptionFitsItsRoom() {
    Harness window;
    // A set-up that names a desktop font must really have handed it to the application.
    if (const QString desktop = qEnvironmentVariable("EXPECT_DESKTOP_FONT"); !desktop.isEmpty()) {
        const QFontInfo font(QApplication::font());
        QCOMPARE(font.family() + ' ' + QString::number(font.pointSize()), desktop);
    }
    int measured = 0;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QStyleOptionButton option;
        option.initFrom(control);
        QRect room = control->contentsRect();  // a label's
        QString caption;
        const bool isOption = qobject_cast<QRadioButton*>(control) != nullptr;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            caption = button->text();
            room = control->style()->subElementRect(
                isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
                control);
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            caption = frame->title();
            room = frame->rect().adjusted(6, 0, -6, 0);
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            caption = label->text();
            // The unit labels ask for MS P Gothic and get a Japanese gothic in its place.
            QVERIFY(QFontDatabase::writingSystems(QFontInfo(label->font()).family())
                        .contains(QFontDatabase::Japanese));
        } else {
            continue;
        }
        ++measured;
        // Each font names the one family it is drawn in, found once, not a list that Qt would
        // search the desktop's fonts through for every script of every caption.
        QCOMPARE(control->font().families(), QStringList(QFontInfo(control->font()).family()));
        const QFontMetricsF metrics(control->font(), control);
        const QString shown = QString(caption).remove('&');
        const qreal spare = room.width() - metrics.horizontalAdvance(shown);
        const QString about =
            QString::asprintf("%s in %s: %g px spare, ink %g of %d px", qPrintable(caption),
                              qPrintable(QFontInfo(control->font()).family()), spare,
                              metrics.tightBoundingRect(shown).height(), control->height());
        QVERIFY2(spare >= -0.01 && metrics.tightBoundingRect(shown).height() <= control->height(),
                 qPrintable(about));
        // The access key's underline lies inside the button's face, not under its frame.
        const qreal baseline =
            room.top() + (room.height() - metrics.height()) / 2 + metrics.ascent();
        QVERIFY2(!caption.contains('&') ||
                     baseline + metrics.underlinePos() + metrics.lineWidth() <= room.bottom() + 1,
                 qPrintable(about));
        // An option's circle is drawn whole: its box and the pixel its outline spills, inside.
        const QRect circle =
            control->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, control);
        QVERIFY2(!isOption || (circle.top() >= 0 && circle.bottom() + 1 < control->height()),
                 qPrintable(about));
    }
    QCOMPARE(measured, 6 + 15 + 2 + 2);
}

void MainWindowTest::tabVisitsEachGroupAtItsCheckedOption() {
    Harness window;
    const auto chainFrom = [](Qt::Key key, int steps) {
        QList<QWidget*> visited{QApplication::focusWidget()};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << QApplication::focusWidget();
        }
        return visited;
    };
    QCOMPARE(chainFrom(Qt::Key_Tab, 8),
             QList<QWidget*>({window->Option1[0], window->Option2[0], window->Option3[0],
                              window->Option4[0], window->Text1, window->Command1[0], window->Text2,
                              window->Command1[1], window->Option1[0]}));
    // However a choice is made, and wherever focus has been since (a press dragged off an
    // option takes focus without choosing), each group is entered at its checked option.
    QTest::mouseClick(window->Option1[2], Qt::LeftButton);
    window->Option4[3]->setChecked(true);
    QTest::mousePress(window->Option3[2], Qt::LeftButton);
    QTest::mouseRelease(window->Option3[2], Qt::LeftButton, {}, QPoint(-40, -40));
    window->Command1[1]->setFocus();
    QCOMPARE(chainFrom(Qt::Key_Backtab, 7),
             QList<QWidget*>({window->Command1[1], window->Text2, window->Command1[0],
                              window->Text1, window->Option4[3], window->Option3[0],
                              window->Option2[0], window->Option1[2]}));
}

void MainWindowTest::optionsByArrowKeysAndAnywhereInTheirBox() {
    Harness window;
    const auto all = [](const auto& array) {
        return QList<QRadioButton*>(array.begin(), array.end());
    };
    const QList<QList<QRadioButton*>> groups = {all(window->Option1), all(window->Option2),
                                                all(window->Option3), all(window->Option4)};
    struct Case {
        int group, from;
        Qt::Key key;
        int to;
    };
    // In index order and round, whatever the options' places on the screen.
    for (const Case& c :
         {Case{0, 2, Qt::Key_Down, 0}, Case{0, 0, Qt::Key_Left, 2}, Case{1, 1, Qt::Key_Right, 0},
          Case{2, 0, Qt::Key_Right, 1}, Case{2, 3, Qt::Key_Down, 0}, Case{2, 1, Qt::Key_Right, 2},
          Case{3, 5, Qt::Key_Right, 0}, Case{3, 2, Qt::Key_Up, 1}}) {
        QRadioButton* from = groups[c.group][c.from];
        from->click();
        from->setFocus();
        QTest::keyClick(from, c.key);
        QVERIFY2(QApplication::focusWidget() == groups[c.group][c.to] &&
                     groups[c.group][c.to]->isChecked(),
                 qPrintable(QString("group %1: %2 from %3").arg(c.group).arg(c.key).arg(c.from)));
    }
    // The handlers ran: the state follows the options the keys reached last.
    QVERIFY(window->State().PlanFactor == 1.0f);
    QCOMPARE(window->State().TimeBand * 10 + window->State().DistanceBand, 21);
    // A click far right in a box, where there is neither circle nor caption, chooses it too.
    for (QRadioButton* option : {window->Option2[1], window->Option1[1], window->Option4[4]}) {
        QTest::mouseClick(option, Qt::LeftButton, {}, {option->width() - 2, option->height() / 2});
        QVERIFY2(option->isChecked(), qPrintable(option->text()));
    }
    QVERIFY(window->State().PlanFactor == 1.2f);
    QCOMPARE(window->State().DistanceBand, std::int16_t{4});
}

// Only the access keys and Space press a button. Each button reads its own box, the typed text
// in UTF-8 and the destination and plan from the real options, and writes the other box.
void MainWindowTest::keysPressButtonsThatReadOneBoxAndWriteTheOther() {
    Harness window;
    for (QWidget* target :
         QList<QWidget*>{window->Text1, window->Command1[0], window->Option1[0]}) {
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
        }
    }
    QTest::qWait(300);  // longer than an animated click
    QVERIFY(window.shown.empty());
    window->Option2[1]->click();
    window->Text1->setText("１２．５分");
    QTest::keyClick(window->Text1, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(window->Text2->text(), QString("465"));
    window->Option2[0]->click();
    window->Option1[1]->click();
    QTest::keyClick(window->Text1, Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(window->Text1->text(), QString("38"));
    QTest::keyClick(window->Command1[0], Qt::Key_Space);
    QTRY_COMPARE(window->Text2->text(), QString("468"));
    QCOMPARE(window.shown,
             QStringList({"１２．５分分間の通話で料金は約465円です。",
                          "465円で約38分間通話できます。", "38分間の通話で料金は約468円です。"}));
}

void MainWindowTest::realMessageBoxesAndAMegabyteOfInput() {
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
                 << window->Text2->text() << QApplication::clipboard()->text();
            QCOMPARE(box->textInteractionFlags(), Qt::TextSelectableByMouse);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            const bool closedBySpace = !box->isVisible();
            box->done(0);  // whatever happened, so that a failure cannot hang the test
            QVERIFY(closedBySpace);
        });
        window->Command1[button]->click();
        return seen;
    };
    const QString sentence = "0分間の通話で料金は約9円です。";
    QCOMPARE(pressAndDismiss(0), QStringList({"Tolvane", QString::number(QMessageBox::Information),
                                              sentence, "OK1", "0", sentence}));
    QCOMPARE(window->Text2->text(), QString("9"));
    window->Text1->setText("-1");
    QCOMPARE(pressAndDismiss(0).mid(1, 2),
             QStringList({QString::number(QMessageBox::Critical), kFailure}));

    // A pasted megabyte: announced at once, by its beginning and its answer; no hang. Ctrl+C
    // still copies the whole sentence.
    QElapsedTimer clock;
    clock.start();
    window->Text1->setText("1" + QString(999'999, QChar('0')) + "e-999999");
    const QStringList seen = pressAndDismiss(0);
    QVERIFY(seen.value(2).size() < 300 && seen.value(2).startsWith("1000"));
    QVERIFY(seen.value(2).endsWith("e-999999分間の通話で料金は約18円です。"));
    QVERIFY(seen.value(5) == window->Text1->text() + "分間の通話で料金は約18円です。");
    window->Text2->setText(QString(1'000'000, QChar(u'９')));
    QCOMPARE(pressAndDismiss(1).value(2), kFailure);
    QCOMPARE(window->Text2->text().size(), 1'000'000);
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
        shown << box->text() << window->Text1->text() + "|" + window->Text2->text();
        box->button(QMessageBox::Ok)->click();
    });
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.operator->()));
    QTest::keyClick(window->Text1, Qt::Key_A, Qt::AltModifier);
    QTest::qWait(60);
    QTest::keyClick(window->Text1, Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(window->Text2->text(), QString("36"));
    QTest::qWait(300);
    QCOMPARE(shown, QStringList({"3分間の通話で料金は約36円です。", "3|100"}));
    QCOMPARE(window->Text1->text() + "|" + window->Text2->text(), QString("3|36"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
