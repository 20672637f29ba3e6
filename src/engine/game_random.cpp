#include "engine/game_random.h"

#include <chrono>

namespace vekselgrad {
namespace {

constexpr std::uint32_t modulusMask = 0xFFFFFF;  // 2^24 - 1
constexpr std::uint32_t multiplier = 0xFD43FD;
constexpr std::uint32_t increment = 0xC39EC3;

}  // namespace

GameRandom::GameRandom() : seeding_(Seeding::fromClock) {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    seed(static_cast<std::uint64_t>(ticks));
}

GameRandom::GameRandom(std::int64_t seedValue) : seeding_(Seeding::fixed) {
    seed(static_cast<std::uint64_t>(seedValue));
}

void GameRandom::seed(std::uint64_t value) {
    // Fold all bits of the seed into the 24 bits of the sequence.
    std::uint64_t folded = value ^ (value >> 24) ^ (value >> 48);
    state_ = static_cast<std::uint32_t>(folded) & modulusMask;
}

float GameRandom::next() {
    state_ = (state_ * multiplier + increment) & modulusMask;
    return static_cast<float>(state_) / 16777216.0f;
}

void GameRandom::seedFromClock() {
    if (seeding_ == Seeding::fromClock) {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
        seed(static_cast<std::uint64_t>(ticks));
    }
}

}  // namespace vekselgrad
