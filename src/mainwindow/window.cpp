#include "mainwindow/window.h"

#include <limits>
#include <utility>
#include <vector>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "form/form_fonts.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "form/form_texts.h"
#include "mainwindow/command_button.h"
#include "mainwindow/fonts.h"
#include "mainwindow/message_box.h"
#include "mainwindow/option_button.h"
#include "mainwindow/style.h"
#include "runtime/program_dir.h"

namespace tolvane {
namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MainF::MainF(std::string programDir, QWidget* parent)
    : QWidget(parent),
      showMessage_(MessageBoxShower(this)),
      form_(*this, programDir.empty() ? ProgramDir() : std::move(programDir)) {
    setWindowTitle(FromUtf8(kApplicationTitle));
    // Qt scales for high-DPI screens by itself: the layout is laid out at 96 dots per inch.
    setFixedSize(ClientWidthPixels(kDefaultDpi), ClientHeightPixels(kDefaultDpi));
    // Before any control exists, so that each is made in the window's font (the application
    // has it too, see PrepareApplication, so no desktop font is loaded).
    setFont(WindowFont());
    CreateControls();
    FitFonts();
    ConnectEvents();
}

MainF::~MainF() {
    // The application reports focus moving while the controls go, which must not reach them.
    disconnect(qApp, nullptr, this, nullptr);
}

void MainF::showEvent(QShowEvent* event) {
    // Show where the keyboard is from the first paint, not only after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::showEvent(event);
}

QWidget* MainF::Control(ControlRef control) const {
    return ControlIn<QWidget*>(*this, control);
}

void MainF::CreateControls() {
    for (std::size_t frame = 0; frame < Frame1.size(); ++frame) {
        CreateControl({ControlArray::Frame1, frame}, this);
    }
    // In the keyboard's order, which Qt then follows from one control to the next.
    for (const ControlRef control : ControlsInTabOrder()) {
        if (control.array != ControlArray::Frame1) {
            CreateControl(control, Frame1.at(FrameOf(control)));
        }
    }
    for (QRadioButton* first : {Option1[0], Option2[0], Option3[0], Option4[0]}) {
        first->setChecked(true);  // as the form starts
    }
    MakeCheckedOptionsTheTabStops();
}

QWidget* MainF::CreateControl(ControlRef control, QWidget* parent) {
    const QString caption = QString::fromUtf8(PlacementOf(control).caption);
    const std::size_t index = control.index;
    switch (control.array) {
        case ControlArray::Frame1: Frame1.at(index) = new QGroupBox(caption, parent); break;
        case ControlArray::Text1:
        case ControlArray::Text2: {
            auto* box = new QLineEdit(caption, parent);
            (control.array == ControlArray::Text1 ? Text1 : Text2) = box;
            // Qt would cut typing off at 32767 characters; the boxes take any text.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAccessibleName(Frame1.at(FrameOf(control))->title());
            break;
        }
        case ControlArray::Command1:
            Command1.at(index) = new CommandButton(caption, parent);
            // Enter presses nothing: no button is a default one, and none answers Enter.
            Command1.at(index)->setAutoDefault(false);
            break;
        case ControlArray::Label1: Label1.at(index) = new QLabel(caption, parent); break;
        default: {
            // Each group's options are the only ones in their frame, so Qt keeps one checked.
            const std::array<std::span<QRadioButton*>, 4> options = {Option1, Option2, Option3,
                                                                     Option4};
            options.at(static_cast<std::size_t>(control.array) -
                       static_cast<std::size_t>(ControlArray::Option1))[index] =
                new OptionButton(control, caption, parent);
        }
    }
    QWidget* widget = Control(control);
    const PixelRect place = PixelPlacement(control, kDefaultDpi, PixelOrigin::Frame);
    widget->setGeometry(place.left, place.top, place.width, place.height);
    return widget;
}

void MainF::FitFonts() {
    // Made after the controls, so that it outlives the frames and options that use it.
    auto* style = new WindowStyle(PixelsOf(ShortestOptionRow(), kDefaultDpi));
    style->setParent(this);
    const QFont windowFont = font();
    const QFont unitFont = UnitLabelFont();
    for (const FontGroup& group : FontGroups()) {
        std::vector<CaptionedWidget> controls;
        for (const ControlRef member : group.members) {
            controls.push_back({Control(member), member});
            if (IsOption(member.array) || member.array == ControlArray::Frame1) {
                controls.back().widget->setStyle(style);
            }
        }
        FitCaptionFont(controls, group.unitLabels ? unitFont : windowFont);
    }
    FitTextBoxFont(std::array{Text1, Text2}, windowFont);
}

void MainF::ConnectEvents() {
    // Toggling reports mouse, arrow keys and code alike; the form decides what a check does.
    for (const ControlRef control : ControlsInTabOrder()) {
        if (IsOption(control.array)) {
            connect(static_cast<QRadioButton*>(Control(control)), &QRadioButton::toggled, this,
                    [this, control](bool checked) {
                        if (checked) {
                            form_.Click(control);
                        }
                        MakeCheckedOptionsTheTabStops();
                    });
        }
    }
    // Qt hands the Tab stop to whichever option last took focus; give it back to the checked
    // one whenever focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] { MakeCheckedOptionsTheTabStops(); });
    for (std::size_t index = 0; index < Command1.size(); ++index) {
        connect(Command1[index], &QPushButton::clicked, this, [this, index] {
            form_.Click({ControlArray::Command1, index});
        });
    }
}

void MainF::MakeCheckedOptionsTheTabStops() {
    for (const ControlRef control : ControlsInTabOrder()) {
        if (IsOption(control.array)) {
            Control(control)->setFocusPolicy(IsTabStop(control, Checked(control)) ? Qt::StrongFocus
                                                                                  : Qt::ClickFocus);
        }
    }
}

bool MainF::Checked(ControlRef option) const {
    return static_cast<QAbstractButton*>(Control(option))->isChecked();
}

std::string MainF::Text(TextBox box) const {
    return (box == TextBox::Text1 ? Text1 : Text2)->text().toStdString();
}

void MainF::SetText(TextBox box, std::string_view text) {
    (box == TextBox::Text1 ? Text1 : Text2)->setText(FromUtf8(text));
}

void MainF::ShowMessage(const Message& message) {
    showMessage_(message);
}

void MainF::ShowForm() {
    show();
    Control(kFirstFocus)->setFocus(Qt::OtherFocusReason);
}

}  // namespace tolvane
