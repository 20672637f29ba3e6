#pragma once

#include <optional>
#include <string>
#include <string_view>

// The game's number conventions: how a number is shown in a box, how it is joined into a
// message or dialog text, and how a typed answer is read.
namespace vekselgrad {

// A number in a box: shortest form with at most 15 significant digits, a minus sign for negative
// values, a zero before the separator below 1, the user's decimal separator (12,5 in Russia).
std::string plainText(double value, char decimalSeparator);

// A number inside a message: a leading blank for 0 and above, a full stop as the point and no
// zero before it (" 5", "-5", " 2.5", " .5").
std::string signedText(double value);

// The number that a typed answer begins with. Blanks, tabs and line feeds are skipped wherever
// they stand ("1 5" reads as 15); then one optional sign, digits with at most one point, and an
// exponent (E or D) only when digits follow it; &H and &O read hexadecimal and octal digits. A
// text without such a beginning reads as 0.
double readNumber(std::string_view text);

// Like readNumber, but nothing when the text holds no digit to read ("", "abc", "-", ".").
std::optional<double> readNumberIfAny(std::string_view text);

}  // namespace vekselgrad
