#include "webwindow/window.h"

#include <array>
#include <optional>
#include <utility>

#include "form/form_captions.h"
#include "form/form_fonts.h"
#include "form/form_keyboard.h"
#include "form/form_pixels.h"
#include "form/form_texts.h"
#include "webwindow/page.h"

namespace tolvane::web {
namespace {

// Each control is known to the page by its tab index.
int IdOf(ControlRef control) {
    return PlacementOf(control).tabIndex;
}

const char* ArrayName(ControlArray array) {
    switch (array) {
        case ControlArray::Frame1: return "Frame1";
        case ControlArray::Option1: return "Option1";
        case ControlArray::Option2: return "Option2";
        case ControlArray::Option3: return "Option3";
        case ControlArray::Option4: return "Option4";
        case ControlArray::Text1: return "Text1";
        case ControlArray::Text2: return "Text2";
        case ControlArray::Command1: return "Command1";
        case ControlArray::Label1: break;
    }
    return "Label1";
}

page::Element ElementOf(ControlArray array) {
    switch (array) {
        case ControlArray::Frame1: return page::Element::Frame;
        case ControlArray::Text1:
        case ControlArray::Text2: return page::Element::TextBox;
        case ControlArray::Command1: return page::Element::Button;
        case ControlArray::Label1: return page::Element::Label;
        default: return page::Element::Option;
    }
}

// The DOM's names of the keys the form has a rule for.
constexpr std::array<std::pair<Key, const char*>, 6> kDomKeys = {{{Key::Left, "ArrowLeft"},
                                                                  {Key::Right, "ArrowRight"},
                                                                  {Key::Up, "ArrowUp"},
                                                                  {Key::Down, "ArrowDown"},
                                                                  {Key::Enter, "Enter"},
                                                                  {Key::Escape, "Escape"}}};

constexpr double kPointsPerInch = 72.0;

// A caption font's size in CSS pixels, which are 1/96 inch.
double CssPixels(double points) {
    return points * kDefaultDpi / kPointsPerInch;
}

// What a caption draws in the page's font at `font`, measured by the browser. The page shows no
// access key underlined.
CaptionExtent MeasureCaption(ControlRef control, const CaptionFont& font) {
    const page::TextExtent extent =
        page::Measure(ShownCaption(PlacementOf(control).caption), CssPixels(font.points));
    return {extent.advance * font.stretch / 100.0,
            extent.fontAscent,
            extent.fontDescent,
            extent.inkAscent,
            extent.inkDescent,
            0};
}

}  // namespace

MainF::MainF(std::string programDir) : form_(*this, std::move(programDir)) {
    CreateControls();
    FitFonts();
    // A focused button would answer Enter; browsers differ in where an option's arrow keys go,
    // and some stop at a group's ends.
    for (const auto& [key, name] : kDomKeys) {
        if (PressesNothing(key)) {
            page::IgnoreKey(name);
        }
        for (const ControlRef control : CreationOrder()) {
            if (IsOption(control.array) && ArrowTarget(control, key) != control) {
                page::SetArrowTarget(IdOf(control), name, IdOf(ArrowTarget(control, key)));
            }
        }
    }
}

void MainF::CreateControls() {
    // In the order the page's focus follows from element to element; the radio groups keep their
    // options in index order, which their arrow keys walk round.
    for (const ControlRef control : CreationOrder()) {
        const char* caption = PlacementOf(control).caption;
        const std::string domId =
            ArrayName(control.array) +
            (MembersOf(control.array) == 1 ? std::string() : "-" + std::to_string(control.index));
        if (control.array == ControlArray::Frame1) {
            page::Create(
                {page::Element::Frame, IdOf(control), -1, domId, caption, "", '\0', false});
            page::Place(IdOf(control), PixelPlacement(control, kDefaultDpi, PixelOrigin::Window));
            continue;
        }
        const ControlRef frameRef{ControlArray::Frame1, FrameOf(control)};
        page::Create(
            {ElementOf(control.array), IdOf(control), IdOf(frameRef), domId, ShownCaption(caption),
             IsOption(control.array) ? ArrayName(control.array) : PlacementOf(frameRef).caption,
             AccessKeyOf(caption), CheckedAtStart(control)});
        page::Place(IdOf(control), PixelPlacement(control, kDefaultDpi, PixelOrigin::Frame));
    }
    page::SetFormMetric("--circle", OptionCircle());
    page::SetFormMetric("--gap", kOptionGap);
    page::SetFormMetric("--button-side", kButtonSide);
    page::SetFormMetric("--frame-title", kFrameTitleMargin);
    page::SetFormMetric("--width", ClientWidthPixels(kDefaultDpi));
    page::SetFormMetric("--height", ClientHeightPixels(kDefaultDpi));
    page::SetFormMetric("--window-font", CssPixels(kWindowFontPoints));
}

void MainF::FitFonts() {
    // CSS pixels at 96 to the inch, placed where they fall.
    const CaptionSurface surface{kDefaultDpi, 0, BaselineSnap::None, 0, 0, false};
    for (const FontGroup& group : FontGroups()) {
        const CaptionFont font = FittedFont(group, surface, MeasureCaption);
        for (const ControlRef member : group.members) {
            page::SetFont(IdOf(member), CssPixels(font.points), font.stretch);
        }
    }
}

void MainF::Deliver(int tabIndex) {
    if (const std::optional<ControlRef> control = ControlAtTabIndex(tabIndex)) {
        form_.Click(*control);
    }
}

bool MainF::Checked(ControlRef option) const {
    return page::IsChecked(IdOf(option));
}

std::string MainF::Text(TextBox box) const {
    return page::TextOf(IdOf(ControlOf(box)));
}

void MainF::SetText(TextBox box, std::string_view text) {
    page::SetTextOf(IdOf(ControlOf(box)), text);
}

void MainF::ShowMessage(const Message& message) {
    // Before the form is shown the box stands over the empty page; after, over the form, which
    // answers nothing until OK.
    page::ShowBox(message, kApplicationTitle);
}

void MainF::ShowForm() {
    page::ShowForm(IdOf(kFirstFocus));
}

}  // namespace tolvane::web
