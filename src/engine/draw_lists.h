#pragma once

#include <cstddef>
#include <vector>

namespace vekselgrad {

// The pick list of the random draw. It belongs to the click, not to one draw: it starts empty at
// the start of every click, and positions a draw does not write keep what an earlier draw of the
// same click left there (an empty position counts as 0).
class DrawLists {
public:
    // Position 1.. of the pick list; positions never written read as 0.
    double pick(std::size_t position) const {
        return position < pick_.size() ? pick_[position] : 0.0;
    }
    void setPick(std::size_t position, double value) {
        grow(position);
        pick_[position] = value;
    }
    void swapPicks(std::size_t a, std::size_t b) {
        grow(a > b ? a : b);
        std::swap(pick_[a], pick_[b]);
    }

private:
    void grow(std::size_t position) {
        if (position >= pick_.size()) {
            pick_.resize(position + 1, 0.0);
        }
    }

    std::vector<double> pick_;  // element 0 is not a position
};

}  // namespace vekselgrad
