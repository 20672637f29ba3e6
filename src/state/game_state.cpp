#include "state/game_state.h"

#include <cmath>

namespace vekselgrad {

std::optional<int> firmNumber(double value) {
    if (!(value >= 1.0 && value <= firmCount) || std::floor(value) != value) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

double withHoldingsValue(const GameState& s, double amount) {
    for (int k = 1; k <= firmCount; ++k) {
        amount += s.firm(k).price * s.firm(k).sharesHeld;
    }
    return amount;
}

std::optional<std::size_t> historyElement(double value) {
    if (!(value >= 1.0 && value <= historyLength) || std::floor(value) != value) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(value);
}

}  // namespace vekselgrad
