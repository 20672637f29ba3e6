#include "endgame/tactical_totals.h"

namespace vekselgrad {
namespace {

constexpr double unsoldSharesWithoutError = 20;

double countedErrors(const GameState& s) {
    return s.spareCashBuys + s.missedBuyChances + s.fallingHoldNoBuy + s.concentratedBuys +
           s.fallingMarketBuys + s.expensiveFallingBuys + s.debtLimitRefusals;
}

double countedRightDecisions(const GameState& s) {
    return s.cheapVolatileBuys + s.smallCheapSales + s.fridaySales + s.largeHoldingDeposits +
           s.timelyBankSales;
}

}  // namespace

double unsoldShares(const GameState& s) {
    double unsold = 0;
    for (int k = 1; k <= firmCount; ++k) {
        unsold += s.firm(k).sharesHeld;
    }
    return unsold;
}

TacticalTotals tacticalTotals(const GameState& s) {
    double errors = countedErrors(s);
    if (unsoldShares(s) > unsoldSharesWithoutError) {
        errors += 1;
    }
    return {errors, countedRightDecisions(s)};
}

}  // namespace vekselgrad
