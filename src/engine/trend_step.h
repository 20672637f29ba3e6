#pragma once

#include "engine/click.h"

namespace vekselgrad {

enum class TrendVariant {
    afterDraw,  // skip and sell: whole part of (draw with offset 0 - the level's amount)
    inDraw,     // buy: the level's amount is the draw's offset
};

// Moves the offer's market state by a random trend; a fall raises the bankruptcy status by one,
// a rise lowers it. The state is compared before it is clamped to 0..6.
void trendStep(Click& click, TrendVariant variant);

}  // namespace vekselgrad
