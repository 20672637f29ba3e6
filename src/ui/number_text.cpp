#include "ui/number_text.h"

#include <cstdlib>
#include <locale.h>

#include "state/decimal_text.h"

namespace vekselgrad {
namespace {

class AnswerScanner {
public:
    explicit AnswerScanner(std::string_view text) : text_(text) {}

    // The next character that is not a blank, tab or line feed, without taking it.
    char peek() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n')) {
            ++pos_;
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void take() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

    // Digits, each of which `digitValue` accepts (it returns -1 for any other character).
    template <typename DigitValue>
    std::string digits(DigitValue digitValue) {
        std::string out;
        while (digitValue(peek()) >= 0) {
            out += peek();
            take();
        }
        return out;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int decimalDigit(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }
int octalDigit(char c) { return c >= '0' && c <= '7' ? c - '0' : -1; }
int hexDigit(char c) {
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return decimalDigit(c);
}

// &H and &O: the following digits as an unsigned value.
std::optional<double> radixNumber(AnswerScanner& scan) {
    const char radixLetter = scan.peek();
    int base = 0;
    if (radixLetter == 'H' || radixLetter == 'h') {
        base = 16;
    } else if (radixLetter == 'O' || radixLetter == 'o') {
        base = 8;
    } else {
        return std::nullopt;
    }
    scan.take();
    const std::string digits = scan.digits(base == 16 ? hexDigit : octalDigit);
    if (digits.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    for (char c : digits) {
        value = value * base + hexDigit(c);
    }
    return value;
}

// The exponent part "E-5" of a number, or "" when no digit follows the letter.
std::string exponentPart(AnswerScanner& scan) {
    const std::size_t start = scan.position();
    const char letter = scan.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') {
        return {};
    }
    scan.take();
    std::string part = "E";
    if (scan.peek() == '+' || scan.peek() == '-') {
        part += scan.peek();
        scan.take();
    }
    const std::string digits = scan.digits(decimalDigit);
    if (digits.empty()) {
        scan.rewind(start);
        return {};
    }
    return part + digits;
}

}  // namespace

std::string plainText(double value, char decimalSeparator) {
    std::string text = decimalTextWithLeadingZero(value);
    for (char& c : text) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return text;
}

std::string signedText(double value) {
    std::string text = decimalText(value);
    return text[0] == '-' ? text : " " + text;
}

std::optional<double> readNumberIfAny(std::string_view text) {
    AnswerScanner scan(text);
    if (scan.peek() == '&') {
        scan.take();
        return radixNumber(scan);
    }
    const bool negative = scan.peek() == '-';
    if (scan.peek() == '+' || scan.peek() == '-') {
        scan.take();
    }
    std::string mantissa = scan.digits(decimalDigit);
    if (scan.peek() == '.') {
        scan.take();
        mantissa += '.' + scan.digits(decimalDigit);
    }
    if (mantissa.find_first_of("0123456789") == std::string::npos) {
        return std::nullopt;
    }
    const std::string number = mantissa + exponentPart(scan);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    return negative ? -value : value;
}

double readNumber(std::string_view text) { return readNumberIfAny(text).value_or(0.0); }

}  // namespace vekselgrad
