#pragma once

// A number slot of the game state. A slot that has never been given a value holds the empty
// value: it counts as 0 in arithmetic and comparisons, and the state files write it as nothing.
namespace vekselgrad {

class Num {
public:
    constexpr Num() = default;
    constexpr Num(double value) : value_(value), empty_(false) {}  // NOLINT: a game number

    constexpr operator double() const { return empty_ ? 0.0 : value_; }  // NOLINT
    constexpr bool empty() const { return empty_; }
    static constexpr Num emptyValue() { return Num{}; }

    constexpr Num& operator=(double value) {
        value_ = value;
        empty_ = false;
        return *this;
    }
    constexpr Num& operator+=(double delta) { return *this = double(*this) + delta; }
    constexpr Num& operator-=(double delta) { return *this = double(*this) - delta; }

private:
    double value_ = 0.0;
    bool empty_ = true;
};

}  // namespace vekselgrad
