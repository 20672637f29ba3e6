#pragma once

#include <string_view>

namespace vekselgrad {

// The sell and buy questions take only answers whose first character is a digit 0..9; an empty
// answer (also a cancelled one) is asked again.
inline bool startsWithDigit(std::string_view answer) {
    return !answer.empty() && answer.front() >= '0' && answer.front() <= '9';
}

}  // namespace vekselgrad
