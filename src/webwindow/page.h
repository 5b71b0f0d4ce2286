#pragma once

#include <string>
#include <string_view>

#include "form/form_pixels.h"
#include "form/form_view.h"

// The face's bridge to the page: a function declared extern "C" is JavaScript, in page.js.
namespace tolvane::web::page {

// The kinds of element the face asks the page for. Each control is known by its tab index.
enum class Element { Frame, Option, TextBox, Button, Label };

// A control to make: `id` its tab index, appended to the frame `parent` (-1: the form itself),
// `domId` its element's id. A frame is a fieldset with its caption as legend; an option a radio
// button with its caption, in the radio group `name`, `checked` or not; a text box shows
// `caption` as its text, and `name` is what assistive technology calls it; a button presses with
// `accessKey` ('\0': none); a label shows its caption.
struct ElementSpec {
    Element kind;
    int id;
    int parent;
    std::string domId;
    std::string caption;
    std::string name;
    char accessKey;
    bool checked;
};
void Create(const ElementSpec& element);

// The control's place in its frame in CSS pixels, for the desktop layout.
void Place(int id, const PixelRect& place);

// The control's caption font in the desktop layout: its size in CSS pixels and its width in
// percent of the normal.
extern "C" void SetFont(int id, double pixels, int stretch);
// A measure the stylesheet's desktop layout takes from the face for the whole form, in CSS
// pixels (a custom property such as "--circle").
extern "C" void SetFormMetric(const char* property, double pixels);

extern "C" bool IsChecked(int id);

// The keys, by the DOM's names, that the page's own default action must not answer.
extern "C" void IgnoreKey(const char* domKey);
// Where the arrow key `domKey` (the DOM's name) takes the focus and the check from the option
// `from`: to the option `to`, instead of where the browser's own radio-button keys would.
extern "C" void SetArrowTarget(int from, const char* domKey, int to);

// Shows the form and focuses the control `id`.
extern "C" void ShowForm(int focus);

std::string TextOf(int id);
void SetTextOf(int id, std::string_view text);

// Shows a modal box over the page, which it leaves inert, and returns once the box has closed;
// the browser runs on meanwhile, and a click that still reaches the form is the form's to ignore.
void ShowBox(const Message& message, std::string_view title);

// What a text draws in the page's caption font at `pixels`: its advance, its ink above and below
// the baseline, and the font's own ascent and descent, which place the baseline in a line box.
struct TextExtent {
    double advance;
    double inkAscent;
    double inkDescent;
    double fontAscent;
    double fontDescent;
};
TextExtent Measure(std::string_view text, double pixels);

}  // namespace tolvane::web::page
