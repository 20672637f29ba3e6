#pragma once

#include "engine/click.h"

namespace vekselgrad {

// Moves the offer price by a random change chosen by the offer's market state; a state outside
// 0..6 leaves the price unchanged.
void priceStep(Click& click);

}  // namespace vekselgrad
