#include "state/decimal_text.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace vekselgrad {
namespace {

// The largest magnitude whose 15-digit form still reads back as a finite number.
constexpr double largestWritable = 1.79769313486231e308;

double writableValue(double value) {
    if (std::isnan(value)) {
        return 0.0;
    }
    if (std::isinf(value) || std::fabs(value) > largestWritable) {
        return std::copysign(largestWritable, value);
    }
    return value;
}

}  // namespace

std::string decimalTextWithLeadingZero(double value) {
    value = writableValue(value);
    if (value == 0.0) {
        return "0";  // minus zero included
    }
    // to_chars, unlike printf, does not follow the process locale (the desktop program sets it).
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

std::string decimalText(double value) {
    std::string text = decimalTextWithLeadingZero(value);
    const std::size_t zero = text[0] == '-' ? 1 : 0;
    if (text.size() > zero + 1 && text[zero] == '0' && text[zero + 1] == '.') {
        text.erase(zero, 1);
    }
    return text;
}

std::optional<double> parseDecimal(std::string_view token) {
    std::size_t pos = 0;
    auto digitsFrom = [&token, &pos]() {
        const std::size_t start = pos;
        while (pos < token.size() && std::isdigit(static_cast<unsigned char>(token[pos]))) {
            ++pos;
        }
        return pos - start;
    };
    const bool negative = pos < token.size() && token[pos] == '-';
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) {
        ++pos;
    }
    const std::size_t mantissa = pos;
    std::size_t digits = digitsFrom();
    if (pos < token.size() && token[pos] == '.') {
        ++pos;
        digits += digitsFrom();
    }
    if (digits == 0) {
        return std::nullopt;
    }
    std::string text(token.substr(mantissa, pos - mantissa));
    if (pos < token.size() && std::string_view("eEdD").find(token[pos]) != std::string_view::npos) {
        ++pos;
        text += 'E';
        if (pos < token.size() && (token[pos] == '+' || token[pos] == '-')) {
            text += token[pos++];
        }
        const std::size_t start = pos;
        if (digitsFrom() == 0) {
            return std::nullopt;
        }
        text += token.substr(start, pos - start);
    }
    if (pos != token.size()) {
        return std::nullopt;
    }
    // Read in the C locale whatever locale the program runs in; an overflow is no number, an
    // underflow reads as the tiny value or 0 it stands for.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    const double value = strtod_l(text.c_str(), nullptr, cLocale);
    if (std::isinf(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

}  // namespace vekselgrad
