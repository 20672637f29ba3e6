#pragma once

#include "setup_state.h"

namespace vekselgrad {

// A game at its end, level 1, as if the player had declined every offer of the week: the
// starting cash kept, nothing held, nothing in the bank, no tactical counter raised, and the
// stock index back at 175.
inline GameState finishedGame() {
    GameState s = testing_state::setupState();
    s.day = 6;
    s.stockIndex = 175;
    return s;
}

}  // namespace vekselgrad
