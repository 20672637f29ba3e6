#pragma once

#include "engine/click.h"

namespace vekselgrad {

// The purchase of shares of the firm on offer: price reload, tactical counters, the offered
// count and price, the question asked until an answer is accepted, the debt limit, and the
// booking; only an accepted purchase is stored.
void buyStep(Click& click);

}  // namespace vekselgrad
