#include "engine/price_step.h"

#include <array>

#include "engine/random_draw.h"

namespace vekselgrad {
namespace {

struct PriceMove {
    double marketState;
    int range;
    double offset;
};

// Tested in this order; the change is randomDraw(range, offset).
constexpr std::array<PriceMove, 7> priceMoves{{
    {3, 3, -0.0},   // Стабильное: 0..2
    {2, 10, -4.5},  // Изменчивое: -5..5
    {1, -8, 2},     // Падающее: -9..-2
    {0, -10, 2},    // Катастрафическое: -11..-2
    {5, 6, -1},     // Поднимающееся: -1..4
    {4, 16, -7.5},  // Неопределённое: -8..8
    {6, 10, -1},    // Взлетающее: -1..8
}};

}  // namespace

void priceStep(Click& click) {
    FirmRecord& offer = click.state.offer;
    for (const auto& move : priceMoves) {
        if (offer.marketState == move.marketState) {
            offer.price += randomDraw(click, move.range, move.offset);
            return;
        }
    }
}

}  // namespace vekselgrad
