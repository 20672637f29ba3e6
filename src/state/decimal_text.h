#pragma once

#include <optional>
#include <string>
#include <string_view>

// The decimal form of a game number as the state files write it: at most 15 significant digits,
// a full stop as the point, no zero before the point (.5, -.25), integers without a point, an
// exponent (1E+15, 1E-05) only where the digits alone would need more than 15 places.
namespace vekselgrad {

std::string decimalText(double value);

// The same digits, but with a zero before the point when the magnitude is below 1 (0.5, -0.25).
std::string decimalTextWithLeadingZero(double value);

// A value of a state file that reads as a decimal number: an optional sign, digits with at most
// one point, an optional exponent (E or D, optional sign, digits). Nothing else may stand in it.
std::optional<double> parseDecimal(std::string_view token);

}  // namespace vekselgrad
