#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// A sentence echoes whatever was typed, which may be a pasted megabyte. A message box cannot
// show that usefully (laying it out alone takes seconds, and the box outgrows any screen), so a
// prompt longer than kLongestShownPrompt characters is shown as its first kShownHead
// characters, "…", and its last kShownTail, where the answer is. Characters are Unicode code
// points of the UTF-8 text, so no character is ever cut in two. Control characters, such as the
// line breaks of a pasted text, are shown as blanks, so that the box stays one line per line of
// sentence; the sentence copied from the box keeps them as typed.
inline constexpr std::size_t kLongestShownPrompt = 200;
inline constexpr std::size_t kShownHead = 120;
inline constexpr std::size_t kShownTail = 60;

std::string DisplayablePrompt(std::string_view prompt);

}  // namespace tolvane
