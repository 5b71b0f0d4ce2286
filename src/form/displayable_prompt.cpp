#include "form/displayable_prompt.h"

#include <vector>

namespace tolvane {
namespace {

bool StartsCharacter(char byte) {
    // UTF-8 continuation bytes are 10xxxxxx; anything else begins a character.
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

}  // namespace

std::string DisplayablePrompt(std::string_view prompt) {
    // The byte offset of each character's start; a prompt of a few hundred characters costs
    // nothing to index, and a megabyte once per message is still quick.
    std::vector<std::size_t> starts;
    for (std::size_t offset = 0; offset < prompt.size(); ++offset) {
        if (StartsCharacter(prompt[offset])) {
            starts.push_back(offset);
        }
    }
    if (starts.size() <= kLongestShownPrompt) {
        return std::string(prompt);
    }
    const std::string_view head = prompt.substr(0, starts[kShownHead]);
    const std::string_view tail = prompt.substr(starts[starts.size() - kShownTail]);
    std::string shown(head);
    shown.append("…").append(tail);
    return shown;
}

}  // namespace tolvane
