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

#include "mainwindow/application_title.h"
#include "mainwindow/caption_font.h"
#include "mainwindow/message_box.h"
#include "mainwindow/option_button.h"
#include "mainwindow/window_icon.h"
#include "mainwindow/window_layout.h"
#include "mainwindow/window_style.h"
#include "runtime/error_trap.h"
#include "runtime/int_to_text.h"
#include "runtime/program_dir.h"
#include "startup/start_up.h"
#include "tariff/conversion.h"

namespace tolvane {
namespace {

constexpr std::string_view kConversionFailedMessage =
    "アルゴリズム内でエラーが発生しました。作者に連絡してください。";

// The unit labels ask for MS P Gothic at 11.25 pt. Debian has no alias for that family and
// would fall back to a Latin font, so a metric-compatible Japanese one stands in where it is
// missing.
QFont UnitLabelFont() {
    QFont font;
    font.setFamily(
        InstalledFamily({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                         QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}));
    font.setPointSizeF(11.25);
    font.setWeight(QFont::Normal);
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

MainF::MainF(ShowMessage showMessage, std::string programDir, QWidget* parent)
    : QWidget(parent),
      showMessage_(showMessage ? std::move(showMessage) : MessageBoxShower(this)),
      programDir_(programDir.empty() ? ProgramDir() : std::move(programDir)) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setWindowIcon(WindowIcon());
    setFixedSize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
    // Before any control exists, so that none of them ever loads the desktop's font.
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
    // Ascending tab index: the four option groups, then each panel's text box and button.
    QList<QWidget*> chain;
    const auto add = [&chain](const auto& controls) {
        for (QWidget* control : controls) {
            chain.append(control);
        }
    };
    add(Option1);
    add(Option2);
    add(Option3);
    add(Option4);
    chain << Text1 << Command1[0] << Text2 << Command1[1];
    for (qsizetype index = 1; index < chain.size(); ++index) {
        setTabOrder(chain[index - 1], chain[index]);
    }
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

void MainF::Form_Load() {
    PrepareAtStartUp(state_, showMessage_, programDir_);
}

void MainF::Option1_Click(std::int16_t index) {
    state_.SelectPlan(index);
}

void MainF::Option3_Click(std::int16_t index) {
    state_.SelectTimeBand(index);
}

void MainF::Option4_Click(std::int16_t index) {
    state_.SelectDistanceBand(index);
}

void MainF::Command1_Click(std::int16_t index) {
    ErrorTrap(
        [this, index] {
            state_.LastResult = 0;
            const bool toCharge = index == 0;
            const auto direction =
                toCharge ? ConversionDirection::TimeToCharge : ConversionDirection::ChargeToTime;
            QLineEdit* input = toCharge ? Text1 : Text2;
            QLineEdit* output = toCharge ? Text2 : Text1;
            const auto destination =
                Option2[0]->isChecked() ? DestinationKind::HOrGeneral : DestinationKind::Mobile;

            const QByteArray text = input->text().toUtf8();
            const Conversion conversion =
                Convert(direction,
                        std::string_view(text.constData(), static_cast<std::size_t>(text.size())),
                        destination, state_);
            state_.LastResult = conversion.result;
            showMessage_(conversion.sentence, MessageStyle::Information);
            // Only once the announcement has been dismissed does the answer appear.
            output->setText(QString::fromStdString(IntToText(state_.LastResult)));
        },
        showMessage_, kConversionFailedMessage);
}

}  // namespace tolvane
