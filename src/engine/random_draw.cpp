#include "engine/random_draw.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace vekselgrad {
namespace {

// Fills an n x n table with whole parts of (offset + n x r), read row by row into a list
// (positions 1..n x n).
std::vector<double> drawTable(Click& click, std::size_t n, double offset) {
    std::vector<double> list(n * n + 1, 0.0);
    for (std::size_t i = 1; i <= n; ++i) {
        for (std::size_t j = 1; j <= n; ++j) {
            list[(i - 1) * n + j] = std::floor(offset + static_cast<double>(n) * click.random());
        }
    }
    return list;
}

// Splits the list into halves, each half into its odd and even positions, and lays the four
// lists into the pick list: first-half even, first-half odd, second-half even, second-half odd.
void layPickList(DrawLists& draws, const std::vector<double>& list, std::size_t half,
                 std::size_t quarter) {
    for (std::size_t c = 1; c <= quarter; ++c) {
        draws.setPick(c, list[2 * c]);
        draws.setPick(quarter + c, list[2 * c - 1]);
        draws.setPick(2 * quarter + c, list[half + 2 * c]);
        draws.setPick(3 * quarter + c, list[half + 2 * c - 1]);
    }
}

// Swaps c pairs of different positions among the first c of the pick list. With c below 2 there
// are no two different positions, so no exchange is made and nothing more is drawn.
void exchangePicks(Click& click, std::size_t quarter) {
    const double c = std::floor(1 + static_cast<double>(quarter) * click.random());
    if (c < 2) {
        return;
    }
    const auto exchanges = static_cast<std::size_t>(c);
    for (std::size_t done = 0; done < exchanges; ++done) {
        double x = 0;
        double y = 0;
        do {
            x = std::floor(1 + c * click.random());
            y = std::floor(1 + c * click.random());
        } while (x == y);
        click.draws.swapPicks(static_cast<std::size_t>(x), static_cast<std::size_t>(y));
    }
}

}  // namespace

double randomDraw(Click& click, int range, double offset) {
    const bool negative = range < 0;
    const auto n = static_cast<std::size_t>(std::abs(range));
    const std::size_t cells = n * n;
    const std::size_t half = cells / 2;
    const std::size_t quarter = cells / 4;
    std::size_t positions = cells;
    if (n % 2 == 1 && n <= 999) {
        positions += 1;
    }
    layPickList(click.draws, drawTable(click, n, offset), half, quarter);
    exchangePicks(click, quarter);
    const double p = std::floor(1 + static_cast<double>(positions) * click.random());
    const double value = click.draws.pick(static_cast<std::size_t>(p));
    return negative ? std::floor(-1 * value) : std::floor(value);
}

}  // namespace vekselgrad
