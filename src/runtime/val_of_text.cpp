#include "runtime/val_of_text.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>

#include "runtime/runtime_failure.h"

namespace tolvane {
namespace {

// One character of the text as the number reader sees it: its ASCII meaning (0 when it has
// none) and how many bytes it takes.
struct Symbol {
    char ascii;
    std::size_t length;
};

// Folds the full-width forms that a Japanese input method types for numbers (U+FF0B '+',
// U+FF0D '-', U+FF0E '.', U+FF10..FF19 digits, U+FF25/U+FF45 'E'/'e') and the ideographic
// space U+3000 onto ASCII. Any other non-ASCII byte means "not part of a number".
Symbol ReadSymbol(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    if (byte(0) < 0x80) {
        return {static_cast<char>(byte(0)), 1};
    }
    if (text.size() - pos >= 3) {
        const unsigned char lead = byte(0), mid = byte(1), last = byte(2);
        if (lead == 0xE3 && mid == 0x80 && last == 0x80) {
            return {' ', 3};
        }
        if (lead == 0xEF && mid == 0xBC) {
            if (last >= 0x90 && last <= 0x99) {
                return {static_cast<char>('0' + (last - 0x90)), 3};
            }
            switch (last) {
                case 0x8B: return {'+', 3};
                case 0x8D: return {'-', 3};
                case 0x8E: return {'.', 3};
                case 0xA5: return {'E', 3};
                default: break;
            }
        }
        if (lead == 0xEF && mid == 0xBD && last == 0x85) {
            return {'e', 3};
        }
    }
    return {'\0', 1};
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks the text one symbol at a time; the current symbol is decoded once.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { Decode(); }

    // The current symbol, or '\0' at the end of the text.
    char Peek() const { return current_.ascii; }
    void Advance() {
        pos_ += current_.length;
        Decode();
    }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) {
        pos_ = pos;
        Decode();
    }

  private:
    void Decode() { current_ = pos_ < text_.size() ? ReadSymbol(text_, pos_) : Symbol{'\0', 0}; }

    std::string_view text_;
    std::size_t pos_ = 0;
    Symbol current_{'\0', 0};
};

// An exponent far beyond any double's range is held at this size; with fewer mantissa digits
// than this, the outcome (overflow or underflow) is the same as for the true exponent.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

// Reads "[eE][sign]digits" if present; leaves the cursor untouched when no digit follows.
std::int64_t ReadExponent(Cursor& cursor) {
    const char letter = cursor.Peek();
    if (letter != 'e' && letter != 'E') {
        return 0;
    }
    const std::size_t start = cursor.Position();
    cursor.Advance();
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }
    if (!IsDigit(cursor.Peek())) {
        cursor.Rewind(start);
        return 0;
    }
    std::int64_t exponent = 0;
    for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
        if (exponent < kExponentLimit) {
            exponent = exponent * 10 + (c - '0');
        }
        cursor.Advance();
    }
    return negative ? -exponent : exponent;
}

// What nearly everybody types, plain ASCII starting with a digit, is parsed in place. Returns
// false (and the full reader runs) whenever the parser stopped where a full-width symbol or an
// unusual form might continue the number, or the value is out of range.
bool ReadPlainAscii(std::string_view text, double& value) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    const std::size_t digit = start < text.size() && text[start] == '-' ? start + 1 : start;
    if (digit >= text.size() || !IsDigit(text[digit])) {
        return false;
    }
    const char* const end = text.data() + text.size();
    const auto parsed = std::from_chars(text.data() + start, end, value);
    if (parsed.ec != std::errc{}) {
        return false;
    }
    if (parsed.ptr == end) {
        return true;
    }
    const auto next = static_cast<unsigned char>(*parsed.ptr);
    return next < 0x80 && next != '.' && next != 'e' && next != 'E';
}

}  // namespace

double ValOfText(std::string_view text) {
    if (double value = 0.0; ReadPlainAscii(text, value)) {
        return value;
    }
    Cursor cursor(text);
    while (IsBlank(cursor.Peek())) {
        cursor.Advance();
    }
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
    }

    // The number is rebuilt in plain ASCII so that one correctly rounding, locale-free parser
    // reads it whatever forms the user typed.
    std::string number;
    std::size_t integerDigits = 0;
    for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
        number += c;
        ++integerDigits;
        cursor.Advance();
    }
    std::size_t fractionDigits = 0;
    if (cursor.Peek() == '.') {
        cursor.Advance();
        number += '.';
        for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
            number += c;
            ++fractionDigits;
            cursor.Advance();
        }
    }
    if (integerDigits + fractionDigits == 0) {
        return 0.0;
    }
    if (integerDigits == 0) {
        number.insert(0, 1, '0');
    }
    const std::int64_t exponent = ReadExponent(cursor);
    if (exponent != 0) {
        char buffer[24];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, exponent);
        number += 'e';
        number.append(buffer, written.ptr);
    }

    double magnitude = 0.0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Beyond range one way or the other: the decimal position of the first significant
        // digit tells which. Overflow is a failure; underflow is simply zero.
        const std::size_t firstSignificant = number.find_first_not_of("0.");
        if (firstSignificant == std::string::npos || number[firstSignificant] == 'e') {
            return negative ? -0.0 : 0.0;
        }
        const auto integerPart = static_cast<std::int64_t>(integerDigits == 0 ? 1 : integerDigits);
        const auto leading = static_cast<std::int64_t>(firstSignificant);
        // Position of the leading digit relative to the units digit, before the exponent.
        const std::int64_t position =
            leading < integerPart ? integerPart - 1 - leading : integerPart - leading;
        if (position + exponent > 0) {
            throw RuntimeFailure("number beyond the range of a double");
        }
        magnitude = 0.0;
    } else if (parsed.ec != std::errc{}) {
        return 0.0;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace tolvane
