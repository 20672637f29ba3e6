#pragma once

#include <gtest/gtest.h>

#include "engine/click.h"
#include "fake_ports.h"
#include "setup_state.h"

// A click on a hand-made state (a new game's setup at level 1, every firm in market state 3)
// with a recording window and given random numbers.
class ClickTest : public ::testing::Test {
protected:
    vekselgrad::testing_ports::FakeWindow window;
    vekselgrad::testing_ports::FakeRandom random;
    vekselgrad::Ports ports{window, random, '.'};
    vekselgrad::Click click{"", ports};
    vekselgrad::GameState& s = click.state;

    ClickTest() { s = vekselgrad::testing_state::setupState(); }

    // Numbers for an n x n draw whose every cell is drawn with `cell`, with no exchange and the
    // pick on position `pickPosition` of its n x n (+1 for odd n) positions.
    void giveDraw(int n, float cell, int pickPosition = 1) {
        for (int i = 0; i < n * n; ++i) {
            random.numbers.push_back(cell);
        }
        random.numbers.push_back(0.0f);  // one exchange or none: no exchange is made
        const int positions = n * n + (n % 2);
        random.numbers.push_back((static_cast<float>(pickPosition) - 0.5f) /
                                 static_cast<float>(positions));
    }
};
