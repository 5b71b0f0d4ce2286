#include "webwindow/page.h"

#include <array>

// What each function below hands its work to, in page.js.
extern "C" {
void CreateJs(const char* kind, int id, int parent, const char* domId, const char* caption,
              const char* name, char accessKey, bool checked);
void PlaceJs(int id, int left, int top, int width, int height);
int TextJs(int id, char* to, int size);
void SetTextJs(int id, const char* text);
void ShowBoxJs(const char* title, const char* shown, const char* copied, bool critical);
void MeasureJs(const char* text, double pixels, tolvane::web::page::TextExtent* extent);
}

namespace tolvane::web::page {

void Create(const ElementSpec& element) {
    // Each kind by its name (in Element's order), which page.js makes it by.
    constexpr std::array<const char*, 5> kKinds = {"frame", "option", "box", "button", "unit"};
    CreateJs(kKinds.at(static_cast<std::size_t>(element.kind)), element.id, element.parent,
             element.domId.c_str(), element.caption.c_str(), element.name.c_str(),
             element.accessKey, element.checked);
}

void Place(int id, const PixelRect& place) {
    PlaceJs(id, place.left, place.top, place.width, place.height);
}

std::string TextOf(int id) {
    std::string text(static_cast<std::size_t>(TextJs(id, nullptr, 0)), '\0');
    // Its bytes, and a terminating NUL into the string's own.
    TextJs(id, text.data(), static_cast<int>(text.size()) + 1);
    return text;
}

void SetTextOf(int id, std::string_view text) {
    SetTextJs(id, std::string(text).c_str());
}

void ShowBox(const Message& message, std::string_view title) {
    ShowBoxJs(std::string(title).c_str(), message.shown.c_str(), message.copied.c_str(),
              message.style == MessageStyle::Critical);
}

TextExtent Measure(std::string_view text, double pixels) {
    TextExtent extent{};
    MeasureJs(std::string(text).c_str(), pixels, &extent);
    return extent;
}

}  // namespace tolvane::web::page
