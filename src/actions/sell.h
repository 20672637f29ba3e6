#pragma once

#include "engine/click.h"

namespace vekselgrad {

// The sale of shares of the firm on offer: tactical counters, buyers and price, the question
// asked until an answer is accepted, the booking; then the offer is stored.
void sellStep(Click& click);

}  // namespace vekselgrad
