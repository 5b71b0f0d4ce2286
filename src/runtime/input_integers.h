#pragma once

#include <cstdint>
#include <span>

#include "runtime/input_file.h"

namespace tolvane {

// Reads the next values.size() fields into values, in order. A field ends at a comma or a line
// end (LF or CRLF); blanks around it are ignored; it may stand in double quotes; an empty field
// is 0. Throws RuntimeFailure at the end of the data, on a field that is not an optionally
// signed whole number, or on a value outside -32768..32767; values before the failing field
// have been stored by then.
void InputIntegers(InputFile& file, std::span<std::int16_t> values);

}  // namespace tolvane
