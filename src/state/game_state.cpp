#include "state/game_state.h"

#include <cmath>

namespace vekselgrad {

std::optional<int> firmNumber(double value) {
    if (!(value >= 1.0 && value <= firmCount) || std::floor(value) != value) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

}  // namespace vekselgrad
