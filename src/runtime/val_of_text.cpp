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

  private:
    void Decode() { current_ = pos_ < text_.size() ? ReadSymbol(text_, pos_) : Symbol{'\0', 0}; }

    std::string_view text_;
    std::size_t pos_ = 0;
    Symbol current_;
};

// An exponent far beyond any double's range is held at this size; with fewer mantissa digits
// than this, the outcome (overflow or underflow) is the same as for the true exponent.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

// Reads "[eE][sign]digits" if present, else gives 0. Where the cursor stops does not matter:
// nothing after the number is read.
std::int64_t ReadExponent(Cursor& cursor) {
    if (cursor.Peek() != 'e' && cursor.Peek() != 'E') {
        return 0;
    }
    cursor.Advance();
    bool negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
        negative = cursor.Peek() == '-';
        cursor.Advance();
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

}  // namespace

double ValOfText(std::string_view text) {
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
    const std::int64_t exponent = ReadExponent(cursor);
    if (exponent != 0) {
        number += 'e';
        number += std::to_string(exponent);
    }

    double magnitude = 0.0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (parsed.ec == std::errc::result_out_of_range) {
        // Beyond range one way or the other (the digits hold a nonzero one, as a zero is always
        // in range): the decimal position of the first significant digit tells which. Counted
        // from the point it is off by one for a digit before the point, which cannot matter: an
        // out-of-range value lies hundreds of places from the units. Overflow is a failure;
        // underflow leaves the magnitude zero.
        const auto leading = static_cast<std::int64_t>(number.find_first_not_of("0."));
        const std::int64_t position = static_cast<std::int64_t>(integerDigits) - leading;
        if (position + exponent > 0) {
            throw RuntimeFailure("number beyond the range of a double");
        }
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace tolvane
