#pragma once

#include <optional>
#include <string_view>

namespace vekselgrad {

// The word of a market state 0..6 ("Катастрафическое" .. "Взлетающее"); no word for any other
// value, and the caller then keeps the previous text.
std::optional<std::string_view> marketWord(double state);

}  // namespace vekselgrad
