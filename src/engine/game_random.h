#pragma once

#include <cstdint>

#include "ui/ports.h"

// The game's own random generator: a 24-bit linear congruential sequence whose numbers are
// exact single-precision values in [0, 1).
namespace vekselgrad {

class GameRandom : public RandomSource {
public:
    enum class Seeding {
        fromClock,  // seeded from the clock at program start and at every new game
        fixed,      // seeded once with a given number; a new game does not seed it again
    };

    // A generator seeded from the clock.
    GameRandom();
    // A generator seeded once with `seed`.
    explicit GameRandom(std::int64_t seed);

    float next() override;
    void seedFromClock() override;

private:
    void seed(std::uint64_t value);

    Seeding seeding_;
    std::uint32_t state_ = 0;
};

}  // namespace vekselgrad
