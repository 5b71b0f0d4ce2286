#include "qtwindow/window.h"

#include <limits>
#include <utility>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include "form/form_fonts.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "form/form_texts.h"
#include "qtwindow/buttons.h"
#include "qtwindow/fonts.h"
#include "qtwindow/message_box.h"
#include "qtwindow/style.h"
#include "runtime/program_dir.h"

namespace tolvane::qt {

MainF::MainF(std::string programDir, QWidget* parent)
    : QWidget(parent), form_(*this, programDir.empty() ? ProgramDir() : std::move(programDir)) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    // Qt scales for high-DPI screens by itself: the layout is laid out at 96 dots per inch.
    setFixedSize(ClientWidthPixels(kDefaultDpi), ClientHeightPixels(kDefaultDpi));
    // Before any control exists, so that each is made in it (as the application is).
    setFont(WindowFont());
    // In the keyboard's order, which Qt then follows from one control to the next, each frame
    // before what it holds.
    for (const ControlRef control : CreationOrder()) {
        const std::size_t frame = FrameOf(control);
        CreateControl(control, frame == kNoFrame ? this : Control({ControlArray::Frame1, frame}));
    }
    MakeCheckedOptionsTheTabStops();
    // Qt hands the Tab stop to whichever option last took focus; give it back to the checked
    // one whenever focus moves.
    connect(qApp, &QApplication::focusChanged, this, [this] { MakeCheckedOptionsTheTabStops(); });
    FitFonts();
}

MainF::~MainF() {
    // The application reports focus moving while the controls go, which must not reach them.
    disconnect(qApp, nullptr, this, nullptr);
}

QWidget* MainF::Control(ControlRef control) const {
    return controls_.at(static_cast<std::size_t>(PlacementOf(control).tabIndex));
}

QLineEdit* MainF::Box(TextBox box) const {
    return static_cast<QLineEdit*>(Control(ControlOf(box)));
}

void MainF::CreateControl(ControlRef control, QWidget* parent) {
    const QString caption = QString::fromUtf8(PlacementOf(control).caption);
    QWidget* widget = nullptr;
    switch (control.array) {
        case ControlArray::Frame1: widget = new QGroupBox(caption, parent); break;
        case ControlArray::Text1:
        case ControlArray::Text2: {
            auto* box = new QLineEdit(caption, parent);
            // Qt would cut typing off at 32767 characters; the boxes take any text.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setAccessibleName(static_cast<QGroupBox*>(parent)->title());
            widget = box;
            break;
        }
        case ControlArray::Command1:
            widget = new CommandButton(caption, parent);
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
                    [this, control] { form_.Click(control); });
            break;
        case ControlArray::Label1: widget = new QLabel(caption, parent); break;
        default: {
            // Each group's options are the only ones in their frame, so Qt keeps one checked.
            auto* option = new OptionButton(control, caption, parent);
            option->setChecked(CheckedAtStart(control));
            // Toggling reports mouse, arrow keys and code alike; the form decides what a check
            // does.
            connect(option, &QRadioButton::toggled, this, [this, control](bool checked) {
                if (checked) {
                    form_.Click(control);
                }
                MakeCheckedOptionsTheTabStops();
            });
            widget = option;
        }
    }
    controls_.at(static_cast<std::size_t>(PlacementOf(control).tabIndex)) = widget;
    const PixelRect place = PixelPlacement(control, kDefaultDpi, PixelOrigin::Frame);
    widget->setGeometry(place.left, place.top, place.width, place.height);
}

void MainF::FitFonts() {
    // Made after the controls, so that it outlives the frames and options that use it.
    auto* style = new WindowStyle;
    style->setParent(this);
    // Laid out at 96 dots per inch, drawn with the baselines on the nearest device pixel.
    const double edge = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const CaptionSurface surface{
        kDefaultDpi, 1 / devicePixelRatioF(), BaselineSnap::Nearest, 0, edge, false};
    for (const FontGroup& group : FontGroups()) {
        const QFont font = group.unitLabels ? UnitLabelFont() : this->font();
        for (const ControlRef member : group.members) {
            if (IsOption(member.array) || member.array == ControlArray::Frame1) {
                Control(member)->setStyle(style);
            }
        }
        const CaptionFont fitted =
            FittedFont(group, surface, [this, &font](ControlRef member, const CaptionFont& size) {
                return MeasureCaption(*Control(member), member, Sized(font, size));
            });
        for (const ControlRef member : group.members) {
            Control(member)->setFont(Sized(font, fitted));
        }
    }
    FitTextBoxFont(std::array{Box(TextBox::Text1), Box(TextBox::Text2)}, font());
}

void MainF::MakeCheckedOptionsTheTabStops() {
    SetOptionTabStops(
        [this](ControlRef option) { return Checked(option); },
        [this](ControlRef option, bool tabStop) {
            Control(option)->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
        });
}

bool MainF::Checked(ControlRef option) const {
    return static_cast<QAbstractButton*>(Control(option))->isChecked();
}

std::string MainF::Text(TextBox box) const {
    return Box(box)->text().toStdString();
}

void MainF::SetText(TextBox box, std::string_view text) {
    Box(box)->setText(QString::fromUtf8(text));
}

void MainF::ShowMessage(const Message& message) {
    if (!box_) {
        box_ = std::make_unique<CopyableMessageBox>(this);
    }
    box_->Show(message);
}

void MainF::ShowForm() {
    show();
    // Where the keyboard is shows from the first paint, not only after the first Tab (showing
    // clears the mark, so it is set after).
    setAttribute(Qt::WA_KeyboardFocusChange);
    Control(kFirstFocus)->setFocus(Qt::OtherFocusReason);
}

}  // namespace tolvane::qt
