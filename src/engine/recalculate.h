#pragma once

#include "engine/click.h"

namespace vekselgrad {

// Each stored price below 0 becomes 0 (the offer record is not touched).
void clampPrices(GameState& s);

enum class StatusMessages { shown, notShown };

// The stock index, the clamps of prices and market states, the index displays, and the
// bankruptcy warning, the bankruptcy and the bonus shares of the firm on offer. The new game's
// first offer runs it without the status messages and their effects.
void recalculate(Click& click, StatusMessages messages = StatusMessages::shown);

}  // namespace vekselgrad
