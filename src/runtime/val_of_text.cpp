#include "runtime/val_of_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include <fast_float.h>

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
// space U+3000 onto ASCII; `pos` is at a byte beyond ASCII. Any other such byte means "not part
// of a number".
Symbol ReadWideSymbol(std::string_view text, std::size_t pos) {
    if (text.size() - pos >= 3) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
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
    void Decode() {
        if (pos_ == text_.size()) {
            current_ = {'\0', 0};
            return;
        }
        // Plain ASCII, nearly all that is ever typed, is read here without a call.
        const char byte = text_[pos_];
        current_ =
            static_cast<unsigned char>(byte) < 0x80 ? Symbol{byte, 1} : ReadWideSymbol(text_, pos_);
    }

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

// Significant digits enough to round any decimal correctly: a decimal that lies exactly halfway
// between two doubles has at most 768 of them. Past those, digits can only tell whether the
// value lies above such a point or on it, and one nonzero digit in their place tells the same.
constexpr std::size_t kKeptDigits = 800;

// The significant digits of a number as they are read, in plain ASCII whatever form was typed,
// so that one correctly rounding, locale-free parser reads them. Leading zeros are left out and
// digits past kKeptDigits counted, a nonzero one among them kept as one sticky digit: held in
// place, however long the typed number is.
class Significand {
  public:
    void Add(char digit) {
        if (count_ == kKeptDigits) {
            ++dropped_;
            sticky_ = sticky_ || digit != '0';
        } else if (count_ > 0 || digit != '0') {
            text_[count_++] = digit;
        }
    }

    // The magnitude of the digits read × 10^power. Throws RuntimeFailure beyond the range of a
    // double; too small for one, it is zero.
    double Value(std::int64_t power) {
        if (count_ == 0) {
            return 0.0;
        }
        std::size_t length = count_;
        power += dropped_;
        if (sticky_) {
            text_[length++] = '1';
            --power;
        }
        text_[length++] = 'e';
        const char* const end =
            std::to_chars(text_.data() + length, text_.data() + text_.size(), power).ptr;
        // fast_float rather than std::from_chars: the same correctly rounded reader on every
        // build, the web's C++ library having no floating-point from_chars. It reads a value too
        // large for a double as an infinity without saying so, and one too small as zero.
        double magnitude = 0.0;
        fast_float::from_chars(text_.data(), end, magnitude);
        if (std::isinf(magnitude)) {
            throw RuntimeFailure("number beyond the range of a double");
        }
        return magnitude;
    }

  private:
    // The kept digits, a sticky digit, 'e' and a 64-bit exponent.
    std::array<char, kKeptDigits + 32> text_;
    std::size_t count_ = 0;
    std::int64_t dropped_ = 0;
    bool sticky_ = false;
};

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

    Significand digits;
    std::int64_t integerDigits = 0, fractionDigits = 0;
    for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
        digits.Add(c);
        ++integerDigits;
        cursor.Advance();
    }
    if (cursor.Peek() == '.') {
        cursor.Advance();
        for (char c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
            digits.Add(c);
            ++fractionDigits;
            cursor.Advance();
        }
    }
    if (integerDigits + fractionDigits == 0) {
        return 0.0;
    }
    const double magnitude = digits.Value(ReadExponent(cursor) - fractionDigits);
    return negative ? -magnitude : magnitude;
}

}  // namespace tolvane
