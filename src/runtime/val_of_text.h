#pragma once

#include <string_view>

namespace tolvane {

// Reads the number at the start of a UTF-8 text, the way a user's typing is meant: leading
// blanks skipped, an optional sign, digits, an optional decimal point and fraction, an optional
// exponent; whatever follows is ignored and a text without a number reads as 0. Full-width
// digits, signs, point and exponent letter (as a Japanese input method types them) read like
// their ASCII forms, and the ideographic space is a blank. The result is the correctly rounded
// double of the decimal text, whatever the process locale. A number too large for a double
// throws RuntimeFailure; one too small for a double reads as zero.
double ValOfText(std::string_view text);

}  // namespace tolvane
