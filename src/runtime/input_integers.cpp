#include "runtime/input_integers.h"

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(int c) {
    return c == '\n' || c == '\r';
}
bool IsDigit(int c) {
    return c >= '0' && c <= '9';
}

void SkipBlanks(InputFile& file) {
    while (IsBlank(file.Peek())) {
        file.Skip();
    }
}

// Reads an optionally signed whole number in the 16-bit range; nothing at all reads as 0.
// The value is built as the digits arrive, so an endless field fails at its first bad byte or
// as soon as it leaves the range, never after reading it whole.
std::int16_t ReadNumber(InputFile& file) {
    bool negative = false;
    bool signed_ = false;
    if (file.Peek() == '+' || file.Peek() == '-') {
        negative = file.Peek() == '-';
        signed_ = true;
        file.Skip();
    }
    std::int32_t magnitude = 0;
    bool anyDigit = false;
    const std::int32_t limit = negative ? 32768 : 32767;
    while (IsDigit(file.Peek())) {
        magnitude = magnitude * 10 + (file.Peek() - '0');
        if (magnitude > limit) {
            throw RuntimeFailure("value outside the 16-bit range");
        }
        anyDigit = true;
        file.Skip();
    }
    if (signed_ && !anyDigit) {
        throw RuntimeFailure("sign without digits");
    }
    return static_cast<std::int16_t>(negative ? -magnitude : magnitude);
}

std::int16_t ReadField(InputFile& file) {
    // Blank lines between values are passed over, unless a comma has just opened a field. A
    // CR and an LF are each a line end: the LF of a CRLF then ends a blank line.
    for (;;) {
        SkipBlanks(file);
        if (file.afterComma || !IsLineEnd(file.Peek())) {
            break;
        }
        file.Skip();
    }
    if (file.Peek() == InputFile::kEnd) {
        throw RuntimeFailure("end of data");
    }

    std::int16_t value = 0;
    if (file.Peek() == '"') {
        file.Skip();
        SkipBlanks(file);
        value = ReadNumber(file);
        SkipBlanks(file);
        if (file.Peek() != '"') {
            throw RuntimeFailure("malformed quoted field");
        }
        file.Skip();
    } else {
        value = ReadNumber(file);
    }
    SkipBlanks(file);

    const int terminator = file.Peek();
    if (terminator != ',' && !IsLineEnd(terminator) && terminator != InputFile::kEnd) {
        throw RuntimeFailure("not a whole number");
    }
    file.afterComma = terminator == ',';
    if (terminator != InputFile::kEnd) {
        file.Skip();
    }
    return value;
}

}  // namespace

void InputIntegers(InputFile& file, std::span<std::int16_t> values) {
    for (auto& value : values) {
        value = ReadField(file);
    }
}

}  // namespace tolvane
