#include "runtime/last_char.h"

#include <cstddef>

namespace tolvane {

std::string_view LastChar(std::string_view text) {
    std::size_t start = text.size();
    // Step back over UTF-8 continuation bytes to the lead byte of the last character.
    while (start > 0) {
        --start;
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) {
            break;
        }
    }
    return text.substr(start);
}

}  // namespace tolvane
