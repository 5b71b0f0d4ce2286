#include "mainwindow/main_window.h"

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "common/temp_dir.h"

using tolvane::MainF;
using tolvane::MessageStyle;

namespace {

constexpr auto kFailure = "アルゴリズム内でエラーが発生しました。作者に連絡してください。";
// Every unit lasts 60 seconds: easy sums.
constexpr auto kEvenTable =
    "60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n60,60,60,60,60,60\n";

struct Shown {
    QString text;
    MessageStyle style;
    bool windowVisible;
    QString text1;  // the two boxes as they were while the message was up
    QString text2;
};

// A window built and loaded as the program does, its messages recorded instead of shown.
class Harness {
  public:
    explicit Harness(const char* table = kEvenTable) {
        if (table != nullptr) {
            dir_.Write("table.csv", table);
        }
        window_ = std::make_unique<MainF>(
            [this](std::string_view prompt, MessageStyle style) {
                shown.push_back(
                    {QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())), style,
                     window_->isVisible(), window_->Text1->text(), window_->Text2->text()});
            },
            dir_.path().string());
        window_->Form_Load();
        window_->show();
        window_->activateWindow();
    }

    MainF& operator*() { return *window_; }
    MainF* operator->() { return window_.get(); }

    std::vector<Shown> shown;

  private:
    tolvane::testing::TempDir dir_;
    std::unique_ptr<MainF> window_;
};

QRect Pixels(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

std::uint32_t FactorBits(const MainF& window) {
    return std::bit_cast<std::uint32_t>(window.State().PlanFactor);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void startsWithTheDefaultsChecked();
    void geometryFollowsTheTwipTable();
    void unitLabelsUseAJapaneseGothicThatFits();
    void everyCaptionHasGlyphs();
    void tabVisitsEachGroupAtItsCheckedOption();
    void optionClicksChangeTheState();
    void arrowKeysMoveAndSelectWithinAGroup();
    void conversions_data();
    void conversions();
    void theAnswerAppearsOnlyAfterTheMessage();
    void failuresLeaveBothBoxesAndResetTheResult_data();
    void failuresLeaveBothBoxesAndResetTheResult();
    void accessKeysPressTheButtons();
    void enterAndEscapePressNothing();
    void tableMessageComesBeforeTheWindow();
    void realMessageBoxHasTitleIconAndText();
    void millionCharacterInputs();
};

void MainWindowTest::startsWithTheDefaultsChecked() {
    Harness window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));

    const QList<QRadioButton*> options = window->findChildren<QRadioButton*>();
    QCOMPARE(options.size(), 15);
    QStringList checked;
    for (QRadioButton* option : options) {
        if (option->isChecked()) {
            checked << option->text();
        }
    }
    checked.sort();
    QStringList expected = {"スーパーパックＬ", "Ｈ''・一般電話", "深夜・早朝(23時～翌8時)",
                            "同一区域内"};
    expected.sort();
    QCOMPARE(checked, expected);
    QCOMPARE(window->Text1->text(), QString("0"));
    QCOMPARE(window->Text2->text(), QString("0"));
    QCOMPARE(QApplication::focusWidget(), window->Option1[0]);
    QCOMPARE(window->windowTitle(), QString("Tolvane"));
    QVERIFY(window.shown.empty());

    QCOMPARE(FactorBits(*window), 0x3F666666u);
    QCOMPARE(window->State().TimeBand, std::int16_t{0});
    QCOMPARE(window->State().DistanceBand, std::int16_t{0});
    QCOMPARE(window->State().LastResult, 0);
}

void MainWindowTest::geometryFollowsTheTwipTable() {
    Harness window;
    QCOMPARE(window->size(), QSize(346, 343));
    QCOMPARE(window->minimumSize(), window->maximumSize());

    struct Expected {
        QWidget* control;
        QRect pixels;
        QWidget* container;
    };
    const Expected expected[] = {
        {window->Frame1[0], Pixels(120, 120, 2415, 1215), &*window},
        {window->Frame1[2], Pixels(120, 2760, 4935, 1095), &*window},
        {window->Frame1[5], Pixels(2640, 1440, 2415, 1215), &*window},
        {window->Option1[2], Pixels(240, 840, 1695, 180), window->Frame1[0]},
        {window->Option2[1], Pixels(240, 600, 1935, 255), window->Frame1[1]},
        {window->Option3[2], Pixels(2640, 360, 1935, 255), window->Frame1[2]},
        {window->Option4[5], Pixels(3480, 600, 1095, 255), window->Frame1[3]},
        {window->Text1, Pixels(480, 480, 1335, 270), window->Frame1[4]},
        {window->Command1[1], Pixels(360, 840, 1695, 255), window->Frame1[5]},
        {window->Label1[0], Pixels(1920, 480, 225, 225), window->Frame1[4]},
    };
    for (const auto& e : expected) {
        QCOMPARE(e.control->geometry(), e.pixels);
        QCOMPARE(e.control->parentWidget(), e.container);
    }
    QCOMPARE(window->Frame1[3]->title(), QString("通信距離"));
    QCOMPARE(window->Command1[0]->text(), QString("時間→料金計算(&A)"));
    QCOMPARE(window->Command1[1]->text(), QString("料金→時間計算(&B)"));
    QCOMPARE(window->Label1[1]->text(), QString("円"));
    QCOMPARE(window->Text1->accessibleName(), QString("通話時間"));
    QCOMPARE(window->Text2->accessibleName(), QString("通話料金"));
    QVERIFY(!window->windowIcon().isNull());
    QVERIFY(window->Text1->maxLength() >= 1'000'000);
}

void MainWindowTest::unitLabelsUseAJapaneseGothicThatFits() {
    Harness window;
    for (QLabel* label : window->Label1) {
        const QFont font = label->font();
        QCOMPARE(font.families().value(0), QString("ＭＳ Ｐゴシック"));
        QCOMPARE(font.pointSizeF(), 11.25);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());

        const QString family = QFontInfo(font).family();
        QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese),
                 qPrintable(family));
        const QRectF ink = QFontMetricsF(font).tightBoundingRect(label->text());
        QVERIFY2(ink.width() <= 15 && ink.height() <= 15, qPrintable(family));
    }
}

void MainWindowTest::everyCaptionHasGlyphs() {
    Harness window;
    const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
    QVERIFY2(!japanese.isEmpty(), "no Japanese font installed");
    const auto hasGlyph = [&](const QFont& font, char32_t c) {
        if (QFontMetricsF(font).inFontUcs4(c)) {
            return true;
        }
        for (const QString& family : japanese) {
            if (QFontMetricsF(QFont(family)).inFontUcs4(c)) {
                return true;
            }
        }
        return false;
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        QString text;
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            text = frame->title();
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            text = label->text();
        }
        for (const char32_t c : text.toUcs4()) {
            QVERIFY2(hasGlyph(control->font(), c), qPrintable(text));
        }
    }
}

void MainWindowTest::tabVisitsEachGroupAtItsCheckedOption() {
    Harness window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    const auto chainFrom = [&](Qt::Key key, int steps) {
        QList<QWidget*> visited{QApplication::focusWidget()};
        for (int i = 0; i < steps; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << QApplication::focusWidget();
        }
        return visited;
    };
    const QList<QWidget*> expected = {
        window->Option1[0], window->Option2[0],  window->Option3[0],
        window->Option4[0], window->Text1,       window->Command1[0],
        window->Text2,      window->Command1[1], window->Option1[0],
    };
    QCOMPARE(chainFrom(Qt::Key_Tab, 8), expected);

    // However a choice is made (mouse, or code), and wherever focus has been since (a press
    // dragged off an option takes focus without choosing it), each group is entered at its
    // checked option, both ways.
    QTest::mouseClick(window->Option1[2], Qt::LeftButton);
    window->Option4[3]->setChecked(true);
    QTest::mousePress(window->Option3[2], Qt::LeftButton);
    QTest::mouseRelease(window->Option3[2], Qt::LeftButton, {}, QPoint(-40, -40));
    QVERIFY(window->Option3[0]->isChecked());
    window->Command1[1]->setFocus();
    const QList<QWidget*> backwards = {
        window->Command1[1], window->Text2,      window->Command1[0], window->Text1,
        window->Option4[3],  window->Option3[0], window->Option2[0],  window->Option1[2],
    };
    QCOMPARE(chainFrom(Qt::Key_Backtab, 7), backwards);
}

void MainWindowTest::optionClicksChangeTheState() {
    Harness window;
    QTest::mouseClick(window->Option1[2], Qt::LeftButton);
    QCOMPARE(FactorBits(*window), 0x3F800000u);
    QTest::mouseClick(window->Option1[1], Qt::LeftButton);
    QCOMPARE(FactorBits(*window), 0x3F99999Au);
    QVERIFY(!window->Option1[2]->isChecked());

    QTest::mouseClick(window->Option3[2], Qt::LeftButton);
    QCOMPARE(window->State().TimeBand, std::int16_t{2});
    QTest::mouseClick(window->Option4[5], Qt::LeftButton);
    QCOMPARE(window->State().DistanceBand, std::int16_t{5});
    // Checking an option clears only its own group.
    QVERIFY(window->Option1[1]->isChecked());
    QVERIFY(window->Option3[2]->isChecked());
    QVERIFY(window->Option2[0]->isChecked());

    // The destination changes no state until a button is pressed.
    const tolvane::TariffState before = window->State();
    QTest::mouseClick(window->Option2[1], Qt::LeftButton);
    QVERIFY(window->Option2[1]->isChecked());
    QCOMPARE(window->State().PlanFactor, before.PlanFactor);
    QCOMPARE(window->State().TimeBand, before.TimeBand);
    QCOMPARE(window->State().DistanceBand, before.DistanceBand);
}

void MainWindowTest::arrowKeysMoveAndSelectWithinAGroup() {
    Harness window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QTest::keyClick(window->Option1[0], Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), window->Option1[1]);
    QVERIFY(window->Option1[1]->isChecked());
    QCOMPARE(FactorBits(*window), 0x3F99999Au);

    window->Option4[0]->setFocus();
    QTest::keyClick(window->Option4[0], Qt::Key_Right);
    QVERIFY(window->Option4[2]->isChecked());
    QCOMPARE(window->State().DistanceBand, std::int16_t{2});
    QTest::keyClick(window->Option4[2], Qt::Key_Down);
    QCOMPARE(window->State().DistanceBand, std::int16_t{3});

    window->Option3[0]->setFocus();
    QTest::keyClick(window->Option3[0], Qt::Key_Down);
    QCOMPARE(window->State().TimeBand, std::int16_t{1});
    // Arrows never leave the group.
    QTest::keyClick(window->Option3[1], Qt::Key_Down);
    QVERIFY(window->Option3[1]->isChecked() || window->Option3[3]->isChecked());
    QVERIFY(window->Option3[0]->parentWidget()->isAncestorOf(QApplication::focusWidget()));
}

void MainWindowTest::conversions_data() {
    QTest::addColumn<int>("plan");
    QTest::addColumn<bool>("mobile");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("answer");

    QTest::newRow("untouched minutes box") << 0 << false << 0 << "0"
                                           << "0分間の通話で料金は約9円です。"
                                           << "9";
    QTest::newRow("mobile minutes") << 0 << true << 0 << "1"
                                    << "1分間の通話で料金は約46円です。"
                                    << "46";
    QTest::newRow("mobile yen") << 2 << true << 1 << "46"
                                << "46円で約1分間通話できます。"
                                << "1";
    QTest::newRow("standard plan yen") << 2 << false << 1 << "40"
                                       << "40円で約3分間通話できます。"
                                       << "3";
    QTest::newRow("below one unit") << 2 << false << 1 << "5"
                                    << "5円で約0分間通話できます。"
                                    << "0";
    QTest::newRow("full-width minutes") << 1 << false << 0 << "１２．５分"
                                        << "１２．５分分間の通話で料金は約162円です。"
                                        << "162";
    QTest::newRow("words") << 2 << true << 0 << "abc"
                           << "abc分間の通話で料金は約10円です。"
                           << "10";
}

void MainWindowTest::conversions() {
    QFETCH(int, plan);
    QFETCH(bool, mobile);
    QFETCH(int, button);
    QFETCH(QString, input);
    QFETCH(QString, sentence);
    QFETCH(QString, answer);

    Harness window;
    QTest::mouseClick(window->Option1[plan], Qt::LeftButton);
    QTest::mouseClick(window->Option2[mobile ? 1 : 0], Qt::LeftButton);
    QLineEdit* inputBox = button == 0 ? window->Text1 : window->Text2;
    QLineEdit* outputBox = button == 0 ? window->Text2 : window->Text1;
    inputBox->setText(input);
    QTest::mouseClick(window->Command1[button], Qt::LeftButton);

    QCOMPARE(window.shown.size(), std::size_t{1});
    QCOMPARE(window.shown[0].text, sentence);
    QCOMPARE(window.shown[0].style, MessageStyle::Information);
    QCOMPARE(outputBox->text(), answer);
    QCOMPARE(inputBox->text(), input);
    QCOMPARE(QString::number(window->State().LastResult), answer);
}

void MainWindowTest::theAnswerAppearsOnlyAfterTheMessage() {
    Harness window;
    QTest::mouseClick(window->Option2[1], Qt::LeftButton);
    window->Text1->setText("1");
    QTest::mouseClick(window->Command1[0], Qt::LeftButton);
    window->Text2->clear();  // a user may change the box before the next press
    window->Text2->setText("46");
    QTest::mouseClick(window->Command1[1], Qt::LeftButton);

    QCOMPARE(window.shown.size(), std::size_t{2});
    QCOMPARE(window.shown[0].text2, QString("0"));  // still the old text while announcing
    QCOMPARE(window.shown[1].text, QString("46円で約1分間通話できます。"));
    QCOMPARE(window.shown[1].text1, QString("1"));
    QCOMPARE(window->Text1->text(), QString("1"));
    QCOMPARE(window->Text2->text(), QString("46"));
}

void MainWindowTest::failuresLeaveBothBoxesAndResetTheResult_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("mobile");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("input");

    const QString zeros = "0,0,0,0,0,0\n0,0,0,0,0,0\n0,0,0,0,0,0\n0,0,0,0,0,0\n";
    QTest::newRow("no rate, minutes") << zeros << false << 0 << "3";
    QTest::newRow("no rate, yen") << zeros << false << 1 << "40";
    QTest::newRow("negative minutes") << QString(kEvenTable) << false << 0 << "-1";
    QTest::newRow("negative yen") << QString(kEvenTable) << true << 1 << "－５０";
    QTest::newRow("beyond 32 bits") << QString(kEvenTable) << true << 0 << "100000000";
    QTest::newRow("beyond a double") << QString(kEvenTable) << false << 1 << "1e999";
}

void MainWindowTest::failuresLeaveBothBoxesAndResetTheResult() {
    QFETCH(QString, table);
    QFETCH(bool, mobile);
    QFETCH(int, button);
    QFETCH(QString, input);

    const QByteArray tableText = table.toUtf8();
    Harness window(tableText.constData());
    // A success first, so that the failure visibly resets the latest result.
    window->Text1->setText("1");
    QTest::mouseClick(window->Option2[1], Qt::LeftButton);
    QTest::mouseClick(window->Command1[0], Qt::LeftButton);
    QCOMPARE(window->State().LastResult, 46);
    QTest::mouseClick(window->Option2[mobile ? 1 : 0], Qt::LeftButton);

    QLineEdit* inputBox = button == 0 ? window->Text1 : window->Text2;
    inputBox->setText(input);
    const QString text1 = window->Text1->text();
    const QString text2 = window->Text2->text();
    window.shown.clear();
    QTest::mouseClick(window->Command1[button], Qt::LeftButton);

    QCOMPARE(window.shown.size(), std::size_t{1});
    QCOMPARE(window.shown[0].text, QString(kFailure));
    QCOMPARE(window.shown[0].style, MessageStyle::Critical);
    QCOMPARE(window->Text1->text(), text1);
    QCOMPARE(window->Text2->text(), text2);
    QCOMPARE(window->State().LastResult, 0);

    // The window goes on working.
    QTest::mouseClick(window->Option2[1], Qt::LeftButton);
    window->Text1->setText("1");
    QTest::mouseClick(window->Command1[0], Qt::LeftButton);
    QCOMPARE(window->Text2->text(), QString("46"));
}

void MainWindowTest::accessKeysPressTheButtons() {
    Harness window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QTest::keyClick(&*window, Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(window.shown.size(), std::size_t{1});
    QCOMPARE(window.shown[0].text, QString("0分間の通話で料金は約9円です。"));
    QCOMPARE(window->Text2->text(), QString("9"));

    QTest::keyClick(&*window, Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(window.shown.size(), std::size_t{2});
    QCOMPARE(window.shown[1].text, QString("9円で約0分間通話できます。"));
}

void MainWindowTest::enterAndEscapePressNothing() {
    Harness window;
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    for (QWidget* target :
         {static_cast<QWidget*>(window->Text1), static_cast<QWidget*>(window->Command1[0]),
          static_cast<QWidget*>(window->Option1[0])}) {
        target->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
        }
    }
    QTest::qWait(300);  // longer than a button's animated click
    QVERIFY(window.shown.empty());
    QVERIFY(window->isVisible());
    // Space on a focused button is still a press.
    window->Command1[0]->setFocus();
    QTest::keyClick(window->Command1[0], Qt::Key_Space);
    QTRY_COMPARE(window.shown.size(), std::size_t{1});
}

void MainWindowTest::tableMessageComesBeforeTheWindow() {
    Harness window(nullptr);
    QCOMPARE(window.shown.size(), std::size_t{1});
    QCOMPARE(window.shown[0].text,
             QString("料金設定ファイル(table.csv)がありません。再インストールしてください。"));
    QCOMPARE(window.shown[0].style, MessageStyle::Critical);
    QVERIFY(!window.shown[0].windowVisible);
    QCOMPARE(FactorBits(*window), 0x3F666666u);
    QVERIFY(window->isVisible());
}

namespace {

struct CapturedBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QString answerWhileShown;
};

// Presses the button, finds the message box it brings up, notes what it shows and presses OK.
CapturedBox PressAndDismiss(QPushButton* button, QLineEdit* output) {
    CapturedBox captured;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        captured = {box->windowTitle(), box->text(), box->icon(),
                    static_cast<int>(box->buttons().size()), output->text()};
        box->button(QMessageBox::Ok)->click();
    });
    button->click();
    return captured;
}

}  // namespace

void MainWindowTest::realMessageBoxHasTitleIconAndText() {
    tolvane::testing::TempDir dir;
    dir.Write("table.csv", kEvenTable);
    MainF window({}, dir.path().string());
    window.Form_Load();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    CapturedBox box = PressAndDismiss(window.Command1[0], window.Text2);
    QCOMPARE(box.title, QString("Tolvane"));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.text, QString("0分間の通話で料金は約9円です。"));
    QCOMPARE(box.buttons, 1);
    QCOMPARE(box.answerWhileShown, QString("0"));
    QCOMPARE(window.Text2->text(), QString("9"));

    window.Text1->setText("-1");
    box = PressAndDismiss(window.Command1[0], window.Text2);
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.text, QString(kFailure));

    // A pasted megabyte is announced quickly, its beginning and its answer shown.
    window.Text1->setText("1" + QString(999'999, QChar('0')) + "e-999999");
    QElapsedTimer clock;
    clock.start();
    box = PressAndDismiss(window.Command1[0], window.Text2);
    QVERIFY2(clock.elapsed() < 5'000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(box.text.size() < 300);
    QVERIFY(box.text.startsWith("1000"));
    QVERIFY(box.text.endsWith("e-999999分間の通話で料金は約18円です。"));
    QCOMPARE(window.Text2->text(), QString("18"));
}

void MainWindowTest::millionCharacterInputs() {
    constexpr qsizetype kMillion = 1'000'000;
    Harness window;
    QElapsedTimer clock;
    clock.start();

    const QString minutes = "1" + QString(kMillion - 1, QChar(' '));
    window->Text1->setText(minutes);
    QTest::mouseClick(window->Command1[0], Qt::LeftButton);
    QCOMPARE(window.shown.size(), std::size_t{1});
    QCOMPARE(window.shown[0].text, minutes + "分間の通話で料金は約18円です。");
    QCOMPARE(window->Text2->text(), QString("18"));

    window->Text2->setText(QString(kMillion, QChar(u'９')));  // far beyond any double
    QTest::mouseClick(window->Command1[1], Qt::LeftButton);
    QCOMPARE(window.shown.size(), std::size_t{2});
    QCOMPARE(window.shown[1].text, QString(kFailure));
    QCOMPARE(window->Text1->text(), minutes);

    window->Text2->setText("0." + QString(kMillion, QChar('0')) + "1");  // too small to matter
    QTest::mouseClick(window->Command1[1], Qt::LeftButton);
    QCOMPARE(window.shown.size(), std::size_t{3});
    QCOMPARE(window.shown[2].style, MessageStyle::Information);
    QCOMPARE(window->Text1->text(), QString("0"));
    QVERIFY2(clock.elapsed() < 30'000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
