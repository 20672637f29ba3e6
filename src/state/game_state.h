#pragma once

#include <array>
#include <optional>
#include <string>

#include "state/num.h"

// The record of every persisted game value. Fields carry the slot names of the game; which slot
// of which state file holds a field is known only to the slot table (state/slot_table.cpp).
namespace vekselgrad {

inline constexpr int firmCount = 6;
inline constexpr int historyLength = 15;
inline constexpr int fixedTextLength = 96;

// The nine values of one firm, and of the offer record (the working copy of the firm on offer).
struct FirmRecord {
    Num spent;         // money spent buying its shares during the game
    Num proceeds;      // money received selling its shares
    std::string name;  // 46 characters: 31 blanks, the name, trailing blanks
    Num status;        // bankruptcy status: 4 warning, 5 bankrupt, -5 bonus shares
    Num sharesBought;  // shares bought since the holding was last empty
    Num purchaseCost;  // money paid for those shares
    Num marketState;   // 0..6
    Num price;         // roubles per share
    Num sharesHeld;    // shares held by the player
};

struct GameState {
    // Counters of the game.
    Num day;
    Num part;
    Num firmOnOffer;
    Num historyIndex;

    // Money.
    Num cash;
    Num bankMoney;
    Num totalAssets;
    Num startCapital;
    Num level;
    Num stockIndex;
    Num indexFallMark;
    Num indexRiseMark;

    // The six firms, by firm number 1..6 (element 0 is not a firm and is never saved).
    std::array<FirmRecord, firmCount + 1> firms{};
    FirmRecord& firm(int k) { return firms.at(static_cast<std::size_t>(k)); }
    const FirmRecord& firm(int k) const { return firms.at(static_cast<std::size_t>(k)); }

    // The offer record: offerFirmName, offerPrice, offerMarketState and so on.
    FirmRecord offer;
    std::string offerMarketWord;
    Num previousMarketState;

    // World-news flags.
    Num newsSobrietyShown;
    Num newsAntiAlcoholEndShown;
    Num newsTankOrdersShown;
    Num newsElectronicsStrikeShown;
    Num newsProcessorShown;
    Num newsSubsidyShown;
    Num newsWallStreetShown;
    Num newsOpecShown;
    Num newsNigeriaShown;
    Num newsNewPcShown;
    Num newsDowRisesShown;
    Num newsDowFallsShown;
    Num newsAlcoholBoomShown;
    Num newsChinaDealShown;
    Num newsOilFieldShown;
    Num newsElectionsShown;
    Num newsCarrierShown;
    Num newsValleyStrikeShown;
    Num newsBlockadeShown;

    // Tactical counters.
    Num soldSinceLastBuy;
    Num cheapVolatileBuys;
    Num spareCashBuys;
    Num smallCheapSales;
    Num fridaySales;
    Num largeHoldingDeposits;
    Num timelyBankSales;
    Num fallingHoldNoBuy;
    Num infoUses;
    Num missedBuyChances;
    Num debtLimitRefusals;
    Num fallingMarketBuys;
    Num sharesTraded;
    Num expensiveFallingBuys;
    Num concentratedBuys;
    Num bestRating;
    Num debtLimitFlag;

    // The totals of the results form; present only in the state it writes and the analysis reads.
    std::optional<Num> errorCount;
    std::optional<Num> rightDecisionCount;

    // Fixed numbers.
    Num constZero;
    Num constOne;
    Num constTwo;
    Num constThree;
    Num constFour;
    Num constFive;
    Num constSix;
    Num constSeven;
    Num constTen;
    Num constTwenty;
    Num constForty;
    Num constHundred;

    // Texts.
    std::string pricesRiseText;    // 96 characters
    std::string pricesFallText;    // 96 characters
    std::string pricesSteadyText;  // 96 characters
    std::string blanks38;
    std::string bankruptWord;
    std::string pressAnyKeyText;
    std::string blanks28;

    // History arrays, elements 1..15 (element 0 is not saved).
    std::array<Num, historyLength + 1> indexHistory{};
    std::array<Num, historyLength + 1> assetHistory{};

    // Slots that no action reads, carried unchanged from the new game on.
    Num spare3, spare4, spare6, spare15, spare19, spare23, spare39, spare40, spare43, spare65,
        spare75, spare83, spare84, spare93, spare94, spare143;
};

// The firm number that a game value names, when it is a whole number 1..6.
std::optional<int> firmNumber(double value);

// `amount` + price1 x sharesHeld1 + ... + price6 x sharesHeld6, added in that order: what the
// held shares are worth at the stored prices, on top of an amount of money.
double withHoldingsValue(const GameState& s, double amount);

// The history element 1..15 that a game value names, when it is a whole number in that range.
std::optional<std::size_t> historyElement(double value);

}  // namespace vekselgrad
