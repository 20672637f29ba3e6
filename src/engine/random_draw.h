#pragma once

#include "engine/click.h"

namespace vekselgrad {

// The game's own integer random draw: in effect the whole part of (offset + n x r) for a fresh
// r, negated for a negative range, except that for odd n the pick may land on one of two end
// positions of the pick list that this draw does not write (see DrawLists).
double randomDraw(Click& click, int range, double offset);

}  // namespace vekselgrad
