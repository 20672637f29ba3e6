#pragma once

#include "engine/click.h"

namespace vekselgrad {

// The world news of one presentation: whether news appear (by the index marks or the level's
// chance), then the index news or a story, written into FG(0)..FG(2), with their effects on
// prices, market states, status counters and news flags.
void newsStep(Click& click);

// Every stored price and the offer price one rouble up, or down.
void allPricesUp(GameState& s);
void allPricesDown(GameState& s);

}  // namespace vekselgrad
