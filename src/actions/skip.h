#pragma once

#include "engine/click.h"

namespace vekselgrad {

// The bank-open offer that a skip prints on Form4 when it finds no firm to present: on the last
// part of the fifth day with cash above the starting cash, a random run of bank-open lines that
// ends with the bank closing. No answer is read.
void bankOffer(Click& click);

}  // namespace vekselgrad
