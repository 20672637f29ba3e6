#pragma once

#include <string>

#include "state/game_state.h"
#include "state/text_encoding.h"

// A game state built by hand as a new game's setup leaves it, for tests to start from.
namespace vekselgrad::testing_state {

inline std::string blanks(std::size_t n) { return std::string(n, ' '); }

inline std::string firmName(const std::string& name) {
    return fitToLength(blanks(31) + name, 46);
}

// The state right after a new game's setup at level 1, with every firm in market state 3.
inline GameState setupState() {
    GameState s;
    s.startCapital = 15000;
    s.constSeven = 7;
    s.spare3 = 9700;
    s.spare4 = 9750;
    s.spare40 = 11;
    s.constTwenty = 20;
    s.constForty = 40;
    s.constTen = 10;
    s.constHundred = 100;
    s.constTwo = 2;
    s.constSix = 6;
    s.constFour = 4;
    s.constFive = 5;
    s.constOne = 1;
    s.constZero = 0;
    s.constThree = 3;
    s.historyIndex = 1;
    s.newsProcessorShown = 1;
    s.day = 1;
    s.part = 1;
    s.level = 1;
    s.cash = 15000;
    s.indexFallMark = 175;
    s.indexRiseMark = 175;
    for (Num* zero : {&s.totalAssets, &s.spare6, &s.newsSobrietyShown, &s.newsAntiAlcoholEndShown,
                      &s.newsTankOrdersShown, &s.newsElectronicsStrikeShown, &s.spare15,
                      &s.newsSubsidyShown, &s.newsWallStreetShown, &s.spare19, &s.newsOpecShown,
                      &s.newsNigeriaShown, &s.spare23, &s.newsNewPcShown, &s.newsDowRisesShown,
                      &s.newsDowFallsShown, &s.newsAlcoholBoomShown, &s.newsChinaDealShown,
                      &s.newsOilFieldShown, &s.newsElectionsShown, &s.soldSinceLastBuy,
                      &s.stockIndex, &s.spare39, &s.spare43, &s.cheapVolatileBuys,
                      &s.spareCashBuys, &s.smallCheapSales, &s.fridaySales,
                      &s.largeHoldingDeposits, &s.timelyBankSales, &s.bankMoney,
                      &s.fallingHoldNoBuy, &s.previousMarketState, &s.spare75, &s.infoUses,
                      &s.missedBuyChances, &s.debtLimitRefusals, &s.fallingMarketBuys,
                      &s.sharesTraded, &s.expensiveFallingBuys, &s.concentratedBuys, &s.spare83,
                      &s.spare84, &s.bestRating, &s.newsCarrierShown, &s.newsValleyStrikeShown,
                      &s.newsBlockadeShown, &s.spare143, &s.offer.sharesHeld,
                      &s.offer.sharesBought, &s.offer.purchaseCost, &s.offer.price,
                      &s.offer.status, &s.offer.spent, &s.offer.proceeds}) {
        *zero = 0;
    }
    const char* names[] = {"Руссо-балт.", "Путилов и к.", "Агропром инд.", "Газовая к.,СПб.",
                           "Смирнофф и сын", "Телевидео корп."};
    const double prices[] = {13, 9, 24, 27, 13, 19};
    for (int k = 1; k <= 6; ++k) {
        FirmRecord& f = s.firm(k);
        f = FirmRecord{0, 0, firmName(names[k - 1]), 0, 0, 0, 3, prices[k - 1], 0};
    }
    s.pricesRiseText = fitToLength(blanks(69) + "Цены акций растут ", 96);
    s.pricesFallText = fitToLength(blanks(69) + "Цены акций падают ", 96);
    s.pricesSteadyText = fitToLength(blanks(69) + "Цены акций прежние", 96);
    s.blanks38 = blanks(38);
    s.bankruptWord = "Обанкротилась";
    s.pressAnyKeyText = "Нажмите любую клавишу";
    s.blanks28 = blanks(28);
    return s;
}

}  // namespace vekselgrad::testing_state
