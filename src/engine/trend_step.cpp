#include "engine/trend_step.h"

#include <cmath>

#include "engine/random_draw.h"

namespace vekselgrad {
namespace {

double trendAmountOfLevel(double level) {
    if (level == 2) {
        return 2.2;
    }
    if (level == 3) {
        return 2.5;
    }
    return 2;
}

double trendChange(Click& click, TrendVariant variant) {
    const double amount = trendAmountOfLevel(click.state.level);
    if (variant == TrendVariant::afterDraw) {
        return std::floor(randomDraw(click, 5, 0) - amount);
    }
    return randomDraw(click, 5, -amount);
}

}  // namespace

void trendStep(Click& click, TrendVariant variant) {
    GameState& s = click.state;
    FirmRecord& offer = s.offer;
    s.previousMarketState = offer.marketState;
    if (offer.price < 0) {
        offer.price = 0;
    }
    offer.marketState += trendChange(click, variant);
    if (offer.marketState < s.previousMarketState) {
        offer.status += 1;
    }
    if (offer.marketState > s.previousMarketState) {
        offer.status -= 1;
    }
    if (offer.marketState < 0) {
        offer.marketState = 0;
    }
    if (offer.marketState > 6) {
        offer.marketState = 6;
    }
}

}  // namespace vekselgrad
