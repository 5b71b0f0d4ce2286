#include "webwindow/page.h"

#include <emscripten.h>

#include <array>
#include <vector>

// The page's side of the face: each function below is the few lines of DOM work one call needs,
// in JavaScript (which clang-format would take for C++). The page keeps its controls by tab
// index in Module.page.
// clang-format off
EM_JS(void, InitJs, (), {
    var page = Module.page = {controls: [], ignored: [], arrows: [], copied: ""};
    var box = document.getElementById('box');
    var ok = box.querySelector('button');
    // The arrow keys on an option go where the form says, round the ends of a group, in every
    // browser alike; Enter and Escape press nothing. Keys with a modifier are left to the browser.
    document.getElementById('form').addEventListener('keydown', function(event) {
        if (event.altKey || event.ctrlKey || event.metaKey) return;
        var to = (page.arrows[event.target.tolvaneId] || {})[event.key];
        if (to !== undefined) {
            event.preventDefault();
            var radio = page.controls[to].querySelector('input');
            radio.focus();
            if (!radio.checked) radio.click();
        } else if (page.ignored.indexOf(event.key) >= 0) {
            event.preventDefault();
        }
    });
    // While a box is up the focus stays on its OK, as on the desktop: Tab has nowhere else to
    // go, and a click on the backdrop or on the box leaves it there (unless it selects text).
    // (WebKitGTK names Shift+Tab "Unidentified", on the Tab key.)
    document.addEventListener('keydown', function(event) {
        if (box.open && (event.key == 'Tab' || event.code == 'Tab')) {
            event.preventDefault();
            ok.focus();
        }
    });
    box.addEventListener('mousedown', function(event) {
        if (event.target == box) event.preventDefault();
    });
    box.addEventListener('click', function() {
        if (getSelection().isCollapsed) ok.focus();
    });
    // With nothing in the box selected, Ctrl+C copies the whole message, not what the box shows
    // of it, whichever element the browser sends the copy event to.
    document.addEventListener('copy', function(event) {
        var selection = getSelection();
        if (box.open && (selection.isCollapsed || !box.contains(selection.anchorNode))) {
            event.clipboardData.setData('text/plain', page.copied);
            event.preventDefault();
        }
    });
});

EM_JS(void, CreateJs, (int kind, int id, int parent, const char* domId, const char* caption,
                       const char* name, int accessKey, int checked), {
    var page = Module.page;
    var text = UTF8ToString(caption);
    var make = function(tag, className) {
        var made = document.createElement(tag);
        if (className) made.className = className;
        return made;
    };
    var captioned = function(tag, className) {
        var made = make(tag, className);
        var span = make('span', 'caption');
        span.textContent = text;
        made.appendChild(span);
        return made;
    };
    var element;
    if (kind == 0) {
        element = make('fieldset', 'frame');
        element.appendChild(captioned('legend'));
    } else if (kind == 1) {
        element = captioned('label', 'option');
        var radio = make('input');
        radio.type = 'radio';
        radio.name = UTF8ToString(name);
        radio.checked = !!checked;
        radio.tolvaneId = id;
        radio.addEventListener('change', function() {
            if (radio.checked) _tolvane_deliver(id);
        });
        element.insertBefore(radio, element.firstChild);
    } else if (kind == 2) {
        element = make('input', 'box');
        element.type = 'text';
        element.defaultValue = element.value = text;
        element.autocomplete = 'off';
        element.spellcheck = false;
        // The number pad of a phone, with a decimal point; any text can still be typed or pasted.
        element.setAttribute('inputmode', 'decimal');
        // The default of the box is what it shows, which is what a browser that resets boxes
        // without autocomplete on Back or Forward puts back.
        element.addEventListener('input', function() { element.defaultValue = element.value; });
        element.setAttribute('aria-label', UTF8ToString(name));
    } else if (kind == 3) {
        element = captioned('button', 'button');
        element.type = 'button';
        if (accessKey) element.accessKey = String.fromCharCode(accessKey).toLowerCase();
        element.addEventListener('click', function() { _tolvane_deliver(id); });
    } else {
        element = captioned('span', 'unit');
    }
    element.id = UTF8ToString(domId);
    page.controls[id] = element;
    (parent < 0 ? document.getElementById('form') : page.controls[parent]).appendChild(element);
});

EM_JS(void, SetStyleJs, (int id, const char* property, const char* value), {
    var element = id < 0 ? document.getElementById('form') : Module.page.controls[id];
    element.style.setProperty(UTF8ToString(property), UTF8ToString(value));
});

EM_JS(int, IsCheckedJs, (int id), {
    return Module.page.controls[id].querySelector('input').checked;
});

// A text leaves the page in two calls: its length in UTF-8, then its bytes.
EM_JS(int, TextLengthJs, (int id), {
    Module.page.text = Module.page.controls[id].value;
    return lengthBytesUTF8(Module.page.text);
});

EM_JS(void, CopyTextJs, (char* to, int size), {
    stringToUTF8(Module.page.text, to, size);
});

EM_JS(void, SetTextJs, (int id, const char* text), {
    var box = Module.page.controls[id];
    box.defaultValue = box.value = UTF8ToString(text);
});

EM_JS(void, IgnoreKeyJs, (const char* key), {
    Module.page.ignored.push(UTF8ToString(key));
});

EM_JS(void, SetArrowTargetJs, (int from, const char* key, int to), {
    var arrows = Module.page.arrows;
    (arrows[from] || (arrows[from] = {}))[UTF8ToString(key)] = to;
});

EM_JS(void, ShowFormJs, (int focus), {
    var control = Module.page.controls[focus];
    document.getElementById('form').hidden = false;
    (control.querySelector('input') || control).focus();
    performance.mark('tolvane-form-shown');
});

EM_ASYNC_JS(void, ShowBoxJs, (const char* title, const char* shown, const char* copied,
                              int critical), {
    var page = Module.page;
    var box = document.getElementById('box');
    page.copied = UTF8ToString(copied);
    box.querySelector('h2').textContent = UTF8ToString(title);
    box.querySelector('p').textContent = UTF8ToString(shown);
    box.className = critical ? 'critical' : 'information';
    box.showModal();
    box.querySelector('button').focus();
    await new Promise(function(resolve) { box.addEventListener('close', resolve, {once: true}); });
});

EM_JS(void, MeasureJs, (const char* text, double pixels, double* extent), {
    var page = Module.page;
    if (!page.context) {
        page.context = document.createElement('canvas').getContext('2d');
        page.family = getComputedStyle(document.getElementById('form')).fontFamily;
    }
    var context = page.context;
    context.font = pixels + 'px ' + page.family;
    var metrics = context.measureText(UTF8ToString(text));
    var at = extent >> 3;
    HEAPF64[at] = metrics.width;
    HEAPF64[at + 1] = metrics.actualBoundingBoxAscent;
    HEAPF64[at + 2] = metrics.actualBoundingBoxDescent;
    HEAPF64[at + 3] = metrics.fontBoundingBoxAscent;
    HEAPF64[at + 4] = metrics.fontBoundingBoxDescent;
});
// clang-format on

namespace tolvane::page {
namespace {

std::string Pixels(double pixels) {
    return std::to_string(pixels) + "px";
}

// The page's listeners, once, before anything else touches it.
void InitPage() {
    static const bool done = (InitJs(), true);
    (void)done;
}

void SetStyle(int id, const char* property, const std::string& value) {
    SetStyleJs(id, property, value.c_str());
}

}  // namespace

void Create(const ElementSpec& element) {
    InitPage();
    CreateJs(static_cast<int>(element.kind), element.id, element.parent, element.domId.c_str(),
             element.caption.c_str(), element.name.c_str(), element.accessKey, element.checked);
}

void Place(int id, const PixelRect& place) {
    SetStyle(id, "--left", Pixels(place.left));
    SetStyle(id, "--top", Pixels(place.top));
    SetStyle(id, "--width", Pixels(place.width));
    SetStyle(id, "--height", Pixels(place.height));
}

void SetFont(int id, double pixels, int stretch) {
    SetStyle(id, "--font", Pixels(pixels));
    SetStyle(id, "--stretch", std::to_string(stretch / 100.0));
}

void SetFormMetric(const char* property, double pixels) {
    SetStyle(-1, property, Pixels(pixels));
}

bool IsChecked(int id) {
    return IsCheckedJs(id) != 0;
}

std::string TextOf(int id) {
    std::string text(static_cast<std::size_t>(TextLengthJs(id)), '\0');
    // stringToUTF8 writes a terminating NUL too, into the string's own.
    CopyTextJs(text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

void SetTextOf(int id, std::string_view text) {
    SetTextJs(id, std::string(text).c_str());
}

void IgnoreKey(std::string_view domKey) {
    IgnoreKeyJs(std::string(domKey).c_str());
}

void SetArrowTarget(int from, std::string_view domKey, int to) {
    SetArrowTargetJs(from, std::string(domKey).c_str(), to);
}

void ShowForm(int focus) {
    ShowFormJs(focus);
}

void ShowBox(const Message& message, std::string_view title) {
    InitPage();
    ShowBoxJs(std::string(title).c_str(), message.shown.c_str(), message.copied.c_str(),
              message.style == MessageStyle::Critical);
}

TextExtent Measure(std::string_view text, double pixels) {
    std::array<double, 5> extent{};
    MeasureJs(std::string(text).c_str(), pixels, extent.data());
    return {extent[0], extent[1], extent[2], extent[3], extent[4]};
}

}  // namespace tolvane::page
