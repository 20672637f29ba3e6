#pragma once

#include "state/game_state.h"

// The player's tactical score at the end of a game: the decisions the trading actions counted as
// errors and as right ones, and the shares left unsold.
namespace vekselgrad {

struct TacticalTotals {
    double errors;
    double rightDecisions;
};

// The shares of all six firms that the player still holds.
double unsoldShares(const GameState& s);

// The counted errors, plus one more for holding over 20 unsold shares, and the right decisions.
TacticalTotals tacticalTotals(const GameState& s);

}  // namespace vekselgrad
