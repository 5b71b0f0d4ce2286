#include "mainwindow/main_window.h"

#include <limits>
#include <string_view>
#include <utility>

#include <QApplication>
#include <QButtonGroup>
#include <QByteArray>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>

#include "form/form_texts.h"
#include "mainwindow/caption_font.h"
#include "mainwindow/message_box.h"
#include "mainwindow/option_button.h"
#include "mainwindow/window_icon.h"
#include "mainwindow/window_layout.h"
#include "mainwindow/window_style.h"
#include "runtime/program_dir.h"

namespace tolvane {
namespace {

// The unit labels ask for MS P Gothic at 11.25 pt. Debian has no alias for that family and
// would fall back to a Latin font, so a metric-compatible Japanese one stands in where it is
// missing.
QFont UnitLabelFont() {
    QFont font;
    font.setFamily(
        InstalledFamily({QString::fromUtf8(kUnitLabelFont.family), QStringLiteral("MS PGothic"),
                         QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}));
    font.setPointSizeF(kUnitLabelFont.points);
    // Qt's weights run from 1 to 1000 like the classic ones: 400 is Normal.
    font.setWeight(static_cast<QFont::Weight>(kUnitLabelFont.weight));
    font.setStyle(QFont::StyleNormal);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

// Each option group is a single Tab stop at its checked option, as keyboard users expect;
// left alone, Qt would enter a group at its first option until one has had focus.
void MakeCheckedOptionTheTabStop(const QButtonGroup& group) {
    for (QAbstractButton* option : group.buttons()) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

template <std::size_t N>
QButtonGroup* BuildOptionGroup(QGroupBox& frame, const std::array<TwipPlacement, N>& placements,
                               std::array<QRadioButton*, N>& options) {
    auto* group = new QButtonGroup(&frame);
    for (std::size_t index = 0; index < N; ++index) {
        options[index] = new OptionButton(&frame);
        ApplyPlacement(*options[index], placements[index]);
        group->addButton(options[index], static_cast<int>(index));
    }
    // The first option of every group is the one checked at start.
    options[0]->setChecked(true);
    MakeCheckedOptionTheTabStop(*group);
    return group;
}

}  // namespace

MainF::MainF(tolvane::ShowMessage showMessage, std::string programDir, QWidget* parent)
    : QWidget(parent),
      showMessage_(showMessage ? std::move(showMessage) : MessageBoxShower(this)),
      form_(*this, programDir.empty() ? ProgramDir() : std::move(programDir)) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle.data(),
                                     static_cast<qsizetype>(kApplicationTitle.size())));
    // The application's icon, not just the window's: a message box shown before the window, such
    // as the table's at start-up, has no window to take it from.
    QApplication::setWindowIcon(WindowIcon());
    setFixedSize(kClientWidthTwips / kTwipsPerPixelAt96Dpi,
                 kClientHeightTwips / kTwipsPerPixelAt96Dpi);
    // Before any control exists, so that each control is made in the window's font (the program
    // gives the application that font too, see RunCalculator, so no desktop font is loaded).
    setFont(WindowFont());

    BuildControls();
    FitFonts();
    SetTabOrder();
    ConnectEvents();
    Option1[0]->setFocus(Qt::OtherFocusReason);
}

void MainF::showEvent(QShowEvent* event) {
    // Show where the keyboard is from the first paint, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
}

void MainF::BuildControls() {
    const WindowLayout& layout = kWindowLayout;
    for (std::size_t index = 0; index < Frame1.size(); ++index) {
        Frame1[index] = new QGroupBox(this);
        ApplyPlacement(*Frame1[index], layout.frames[index]);
    }
    optionGroups_ = {
        BuildOptionGroup(*Frame1[0], layout.plans, Option1),
        BuildOptionGroup(*Frame1[1], layout.destinations, Option2),
        BuildOptionGroup(*Frame1[2], layout.timeBands, Option3),
        BuildOptionGroup(*Frame1[3], layout.distanceBands, Option4),
    };

    const QFont unitFont = UnitLabelFont();
    const std::array<const char*, 2> accessibleNames = {"通話時間", "通話料金"};
    std::array<QLineEdit*, 2> textBoxes{};
    for (std::size_t index = 0; index < 2; ++index) {
        QGroupBox& panel = *Frame1[4 + index];
        textBoxes[index] = new QLineEdit(&panel);
        ApplyPlacement(*textBoxes[index], layout.textBoxes[index]);
        // Qt would cut typing off at 32767 characters; the boxes take any text.
        textBoxes[index]->setMaxLength(std::numeric_limits<int>::max());
        textBoxes[index]->setAccessibleName(QString::fromUtf8(accessibleNames[index]));

        Command1[index] = new QPushButton(&panel);
        ApplyPlacement(*Command1[index], layout.buttons[index]);
        // Neither button answers Enter: a conversion runs only when asked for by name.
        Command1[index]->setAutoDefault(false);
        Command1[index]->setDefault(false);

        Label1[index] = new QLabel(&panel);
        ApplyPlacement(*Label1[index], layout.unitLabels[index]);
        Label1[index]->setFont(unitFont);
    }
    Text1 = textBoxes[0];
    Text2 = textBoxes[1];
}

void MainF::FitFonts() {
    const QFont font = this->font();
    // Made after the controls, so that it outlives the frames and options that use it.
    auto* style = new WindowStyle;
    style->setParent(this);
    const auto fit = [](const auto& controls, const QFont& base) {
        FitCaptionFont(QList<QWidget*>(controls.begin(), controls.end()), base);
    };
    for (QGroupBox* frame : Frame1) {
        frame->setStyle(style);
        fit(std::array{frame}, font);
    }
    const auto fitGroup = [&](const auto& options) {
        for (QRadioButton* option : options) {
            option->setStyle(style);
        }
        fit(options, font);
    };
    fitGroup(Option1);
    fitGroup(Option2);
    fitGroup(Option3);
    fitGroup(Option4);
    fit(Command1, font);
    fit(Label1, Label1[0]->font());
}

void MainF::SetTabOrder() {
    // The layout's keyboard order, over the controls that take the focus.
    QWidget* previous = nullptr;
    for (const ControlRef control : ControlsInTabOrder()) {
        if (!TakesFocus(control.array)) {
            continue;
        }
        QWidget* widget = Control(control);
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

QWidget* MainF::Control(ControlRef control) const {
    return ControlIn<QWidget*>(*this, control);
}

void MainF::ConnectEvents() {
    // Toggling reports mouse, arrow keys and code alike. The destination group has no handler:
    // it is read when a conversion starts.
    const auto onChecked = [this](QButtonGroup* group, void (MainF::*handler)(std::int16_t)) {
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
            if (checked) {
                (this->*handler)(static_cast<std::int16_t>(id));
            }
        });
    };
    onChecked(optionGroups_[0], &MainF::Option1_Click);
    onChecked(optionGroups_[2], &MainF::Option3_Click);
    onChecked(optionGroups_[3], &MainF::Option4_Click);

    for (QButtonGroup* group : optionGroups_) {
        connect(group, &QButtonGroup::idToggled, this,
                [group] { MakeCheckedOptionTheTabStop(*group); });
    }
    // Qt hands the Tab stop to whichever option last took focus; give it back to the checked
    // one whenever focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] {
        for (QButtonGroup* group : optionGroups_) {
            MakeCheckedOptionTheTabStop(*group);
        }
    });

    for (std::size_t index = 0; index < Command1.size(); ++index) {
        connect(Command1[index], &QPushButton::clicked, this,
                [this, index] { Command1_Click(static_cast<std::int16_t>(index)); });
    }
}

bool MainF::Option2Checked(std::size_t index) const {
    return Option2.at(index)->isChecked();
}

std::string MainF::Text(TextBox box) const {
    return (box == TextBox::Text1 ? Text1 : Text2)->text().toStdString();
}

void MainF::SetText(TextBox box, std::string_view text) {
    (box == TextBox::Text1 ? Text1 : Text2)
        ->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void MainF::ShowMessage(std::string_view prompt, MessageStyle style) {
    showMessage_(prompt, style);
}

void MainF::ShowForm() {
    show();
}

}  // namespace tolvane
