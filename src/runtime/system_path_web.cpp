#include "runtime/system_path.h"

#include <cstddef>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

// Whether the text is UTF-8 as RFC 3629 has it: every sequence whole, in its shortest form, no
// surrogate and nothing beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        unsigned char low = 0x80, high = 0xBF;  // the range of the byte after the lead
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else if (lead >= 0x80) {
            return false;
        }
        if (text.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

}  // namespace

SystemName PathFromUtf8(std::string_view text) {
    // Emscripten's file systems name files with JavaScript strings and would read a stray byte
    // as U+FFFD, naming some other file: so such a text is refused, as on Windows.
    if (!IsUtf8(text)) {
        throw RuntimeFailure("path not in UTF-8");
    }
    return SystemName(text);
}

std::string Utf8FromPath(const SystemName& path) {
    return path;
}

}  // namespace tolvane
