#include "form/displayable_prompt.h"

#include <vector>

namespace tolvane {
namespace {

bool StartsCharacter(char byte) {
    // UTF-8 continuation bytes are 10xxxxxx; anything else begins a character.
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

// The bytes of a control character that starts at `text`'s beginning (C0, DEL, C1, and the
// Unicode line and paragraph separators), or 0 when none does.
std::size_t ControlLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (byte(0) < 0x20U || byte(0) == 0x7FU) {
        return 1;
    }
    if (text.size() >= 2 && byte(0) == 0xC2U && byte(1) >= 0x80U && byte(1) <= 0x9FU) {
        return 2;
    }
    if (text.size() >= 3 && byte(0) == 0xE2U && byte(1) == 0x80U &&
        (byte(2) == 0xA8U || byte(2) == 0xA9U)) {
        return 3;
    }
    return 0;
}

// Appends `text` with each control character shown as a blank: a pasted line break would
// otherwise make the box a line taller, and a few hundred of them taller than the screen.
void AppendVisible(std::string& shown, std::string_view text) {
    for (std::size_t offset = 0; offset < text.size();) {
        if (const std::size_t length = ControlLength(text.substr(offset)); length != 0) {
            shown += ' ';
            offset += length;
        } else {
            shown += text[offset++];
        }
    }
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
    std::string shown;
    if (starts.size() <= kLongestShownPrompt) {
        AppendVisible(shown, prompt);
        return shown;
    }
    AppendVisible(shown, prompt.substr(0, starts[kShownHead]));
    shown.append("…");
    AppendVisible(shown, prompt.substr(starts[starts.size() - kShownTail]));
    return shown;
}

}  // namespace tolvane
