#include "form/form_captions.h"

namespace tolvane {

std::string ShownCaption(std::string_view caption) {
    std::string shown;
    for (std::size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == '&' && at + 1 < caption.size()) {
            ++at;
        }
        shown += caption[at];
    }
    return shown;
}

char AccessKeyOf(std::string_view caption) {
    for (std::size_t at = 0; at + 1 < caption.size(); ++at) {
        if (caption[at] != '&') {
            continue;
        }
        const char key = caption[++at];
        if (key != '&') {
            return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
        }
    }
    return '\0';
}

}  // namespace tolvane
