#include "state/slot_table.h"

#include <array>

namespace vekselgrad {
namespace {

constexpr SlotSpec number(Num& (*field)(GameState&), SlotCheck check = SlotCheck::any,
                          double fixedValue = 0.0) {
    return SlotSpec{SlotKind::number, check, fixedValue, field, nullptr};
}

constexpr SlotSpec text(std::string& (*field)(GameState&)) {
    return SlotSpec{SlotKind::text, SlotCheck::any, 0.0, nullptr, field};
}

constexpr SlotSpec fixedText(std::string& (*field)(GameState&)) {
    return SlotSpec{SlotKind::fixedText, SlotCheck::any, 0.0, nullptr, field};
}

// Cash (34, 176), historyIndex (54, 181) and sharesBought4 (120, 179) stand twice: both entries
// name the same field, and loading in slot order lets the later position decide.
constexpr std::array<SlotSpec, playSlotCount> slots{
    number([](GameState& s) -> Num& { return s.startCapital; }, SlotCheck::fixedNumber, 15000),  // 1
    number([](GameState& s) -> Num& { return s.constSeven; }, SlotCheck::fixedNumber, 7),  // 2
    number([](GameState& s) -> Num& { return s.spare3; }),  // 3
    number([](GameState& s) -> Num& { return s.spare4; }),  // 4
    number([](GameState& s) -> Num& { return s.totalAssets; }),  // 5
    number([](GameState& s) -> Num& { return s.spare6; }),  // 6
    number([](GameState& s) -> Num& { return s.newsSobrietyShown; }, SlotCheck::newsFlag),  // 7
    number([](GameState& s) -> Num& { return s.firm(5).status; }),  // 8
    number([](GameState& s) -> Num& { return s.newsAntiAlcoholEndShown; }, SlotCheck::newsFlag),  // 9
    number([](GameState& s) -> Num& { return s.firm(2).status; }),  // 10
    number([](GameState& s) -> Num& { return s.newsTankOrdersShown; }, SlotCheck::newsFlag),  // 11
    number([](GameState& s) -> Num& { return s.newsElectronicsStrikeShown; }, SlotCheck::newsFlag),  // 12
    number([](GameState& s) -> Num& { return s.newsProcessorShown; }, SlotCheck::newsFlag),  // 13
    number([](GameState& s) -> Num& { return s.firm(6).status; }),  // 14
    number([](GameState& s) -> Num& { return s.spare15; }),  // 15
    number([](GameState& s) -> Num& { return s.firm(1).status; }),  // 16
    number([](GameState& s) -> Num& { return s.newsSubsidyShown; }, SlotCheck::newsFlag),  // 17
    number([](GameState& s) -> Num& { return s.newsWallStreetShown; }, SlotCheck::newsFlag),  // 18
    number([](GameState& s) -> Num& { return s.spare19; }),  // 19
    number([](GameState& s) -> Num& { return s.newsOpecShown; }, SlotCheck::newsFlag),  // 20
    number([](GameState& s) -> Num& { return s.firm(4).status; }),  // 21
    number([](GameState& s) -> Num& { return s.newsNigeriaShown; }, SlotCheck::newsFlag),  // 22
    number([](GameState& s) -> Num& { return s.spare23; }),  // 23
    number([](GameState& s) -> Num& { return s.newsNewPcShown; }, SlotCheck::newsFlag),  // 24
    number([](GameState& s) -> Num& { return s.firm(3).status; }),  // 25
    number([](GameState& s) -> Num& { return s.newsDowRisesShown; }, SlotCheck::newsFlag),  // 26
    number([](GameState& s) -> Num& { return s.newsDowFallsShown; }, SlotCheck::newsFlag),  // 27
    number([](GameState& s) -> Num& { return s.newsAlcoholBoomShown; }, SlotCheck::newsFlag),  // 28
    number([](GameState& s) -> Num& { return s.newsChinaDealShown; }, SlotCheck::newsFlag),  // 29
    number([](GameState& s) -> Num& { return s.newsOilFieldShown; }, SlotCheck::newsFlag),  // 30
    number([](GameState& s) -> Num& { return s.newsElectionsShown; }, SlotCheck::newsFlag),  // 31
    number([](GameState& s) -> Num& { return s.day; }),  // 32
    number([](GameState& s) -> Num& { return s.part; }),  // 33
    number([](GameState& s) -> Num& { return s.cash; }),  // 34
    number([](GameState& s) -> Num& { return s.soldSinceLastBuy; }),  // 35
    number([](GameState& s) -> Num& { return s.level; }, SlotCheck::level),  // 36
    number([](GameState& s) -> Num& { return s.stockIndex; }),  // 37
    number([](GameState& s) -> Num& { return s.indexFallMark; }),  // 38
    number([](GameState& s) -> Num& { return s.spare39; }),  // 39
    number([](GameState& s) -> Num& { return s.spare40; }),  // 40
    number([](GameState& s) -> Num& { return s.constTwenty; }, SlotCheck::fixedNumber, 20),  // 41
    number([](GameState& s) -> Num& { return s.offer.sharesHeld; }),  // 42
    number([](GameState& s) -> Num& { return s.spare43; }),  // 43
    number([](GameState& s) -> Num& { return s.constForty; }, SlotCheck::fixedNumber, 40),  // 44
    number([](GameState& s) -> Num& { return s.constTen; }, SlotCheck::fixedNumber, 10),  // 45
    number([](GameState& s) -> Num& { return s.constHundred; }, SlotCheck::fixedNumber, 100),  // 46
    number([](GameState& s) -> Num& { return s.constTwo; }, SlotCheck::fixedNumber, 2),  // 47
    number([](GameState& s) -> Num& { return s.constSix; }, SlotCheck::fixedNumber, 6),  // 48
    number([](GameState& s) -> Num& { return s.constFour; }, SlotCheck::fixedNumber, 4),  // 49
    number([](GameState& s) -> Num& { return s.constFive; }, SlotCheck::fixedNumber, 5),  // 50
    number([](GameState& s) -> Num& { return s.constOne; }, SlotCheck::fixedNumber, 1),  // 51
    number([](GameState& s) -> Num& { return s.constZero; }, SlotCheck::fixedNumber, 0),  // 52
    number([](GameState& s) -> Num& { return s.constThree; }, SlotCheck::fixedNumber, 3),  // 53
    number([](GameState& s) -> Num& { return s.historyIndex; }),  // 54
    number([](GameState& s) -> Num& { return s.cheapVolatileBuys; }),  // 55
    number([](GameState& s) -> Num& { return s.spareCashBuys; }),  // 56
    number([](GameState& s) -> Num& { return s.smallCheapSales; }),  // 57
    number([](GameState& s) -> Num& { return s.fridaySales; }),  // 58
    number([](GameState& s) -> Num& { return s.largeHoldingDeposits; }),  // 59
    number([](GameState& s) -> Num& { return s.timelyBankSales; }),  // 60
    number([](GameState& s) -> Num& { return s.bankMoney; }),  // 61
    number([](GameState& s) -> Num& { return s.offer.sharesBought; }),  // 62
    number([](GameState& s) -> Num& { return s.offer.purchaseCost; }),  // 63
    number([](GameState& s) -> Num& { return s.offer.price; }),  // 64
    number([](GameState& s) -> Num& { return s.spare65; }),  // 65
    number([](GameState& s) -> Num& { return s.firm(1).sharesHeld; }),  // 66
    number([](GameState& s) -> Num& { return s.firm(2).sharesHeld; }),  // 67
    number([](GameState& s) -> Num& { return s.firm(3).sharesHeld; }),  // 68
    number([](GameState& s) -> Num& { return s.firm(4).sharesHeld; }),  // 69
    number([](GameState& s) -> Num& { return s.firm(5).sharesHeld; }),  // 70
    number([](GameState& s) -> Num& { return s.firm(6).sharesHeld; }),  // 71
    number([](GameState& s) -> Num& { return s.fallingHoldNoBuy; }),  // 72
    number([](GameState& s) -> Num& { return s.previousMarketState; }),  // 73
    number([](GameState& s) -> Num& { return s.offer.status; }),  // 74
    number([](GameState& s) -> Num& { return s.spare75; }),  // 75
    number([](GameState& s) -> Num& { return s.infoUses; }),  // 76
    number([](GameState& s) -> Num& { return s.missedBuyChances; }),  // 77
    number([](GameState& s) -> Num& { return s.debtLimitRefusals; }),  // 78
    number([](GameState& s) -> Num& { return s.fallingMarketBuys; }),  // 79
    number([](GameState& s) -> Num& { return s.sharesTraded; }),  // 80
    number([](GameState& s) -> Num& { return s.expensiveFallingBuys; }),  // 81
    number([](GameState& s) -> Num& { return s.concentratedBuys; }),  // 82
    number([](GameState& s) -> Num& { return s.spare83; }),  // 83
    number([](GameState& s) -> Num& { return s.spare84; }),  // 84
    fixedText([](GameState& s) -> std::string& { return s.pricesRiseText; }),  // 85
    number([](GameState& s) -> Num& { return s.bestRating; }),  // 86
    text([](GameState& s) -> std::string& { return s.blanks38; }),  // 87
    text([](GameState& s) -> std::string& { return s.bankruptWord; }),  // 88
    number([](GameState& s) -> Num& { return s.offer.marketState; }),  // 89
    number([](GameState& s) -> Num& { return s.debtLimitFlag; }),  // 90
    text([](GameState& s) -> std::string& { return s.pressAnyKeyText; }),  // 91
    text([](GameState& s) -> std::string& { return s.blanks28; }),  // 92
    number([](GameState& s) -> Num& { return s.spare93; }),  // 93
    number([](GameState& s) -> Num& { return s.spare94; }),  // 94
    number([](GameState& s) -> Num& { return s.offer.spent; }),  // 95
    number([](GameState& s) -> Num& { return s.offer.proceeds; }),  // 96
    number([](GameState& s) -> Num& { return s.firm(1).spent; }),  // 97
    number([](GameState& s) -> Num& { return s.firm(1).proceeds; }),  // 98
    text([](GameState& s) -> std::string& { return s.firm(1).name; }),  // 99
    number([](GameState& s) -> Num& { return s.firm(1).price; }),  // 100
    number([](GameState& s) -> Num& { return s.firm(1).marketState; }),  // 101
    number([](GameState& s) -> Num& { return s.firm(1).sharesBought; }),  // 102
    number([](GameState& s) -> Num& { return s.firm(1).purchaseCost; }),  // 103
    number([](GameState& s) -> Num& { return s.firm(2).spent; }),  // 104
    number([](GameState& s) -> Num& { return s.firm(2).proceeds; }),  // 105
    number([](GameState& s) -> Num& { return s.firm(2).sharesBought; }),  // 106
    number([](GameState& s) -> Num& { return s.firm(2).purchaseCost; }),  // 107
    text([](GameState& s) -> std::string& { return s.firm(2).name; }),  // 108
    number([](GameState& s) -> Num& { return s.firm(2).price; }),  // 109
    number([](GameState& s) -> Num& { return s.firm(2).marketState; }),  // 110
    number([](GameState& s) -> Num& { return s.firm(3).spent; }),  // 111
    number([](GameState& s) -> Num& { return s.firm(3).proceeds; }),  // 112
    number([](GameState& s) -> Num& { return s.firm(3).sharesBought; }),  // 113
    number([](GameState& s) -> Num& { return s.firm(3).purchaseCost; }),  // 114
    text([](GameState& s) -> std::string& { return s.firm(3).name; }),  // 115
    number([](GameState& s) -> Num& { return s.firm(3).price; }),  // 116
    number([](GameState& s) -> Num& { return s.firm(3).marketState; }),  // 117
    number([](GameState& s) -> Num& { return s.firm(4).spent; }),  // 118
    number([](GameState& s) -> Num& { return s.firm(4).proceeds; }),  // 119
    number([](GameState& s) -> Num& { return s.firm(4).sharesBought; }),  // 120
    number([](GameState& s) -> Num& { return s.firm(4).purchaseCost; }),  // 121
    text([](GameState& s) -> std::string& { return s.firm(4).name; }),  // 122
    number([](GameState& s) -> Num& { return s.firm(4).price; }),  // 123
    number([](GameState& s) -> Num& { return s.firm(4).marketState; }),  // 124
    number([](GameState& s) -> Num& { return s.firm(5).spent; }),  // 125
    number([](GameState& s) -> Num& { return s.firm(5).proceeds; }),  // 126
    number([](GameState& s) -> Num& { return s.firm(5).sharesBought; }),  // 127
    number([](GameState& s) -> Num& { return s.firm(5).purchaseCost; }),  // 128
    text([](GameState& s) -> std::string& { return s.firm(5).name; }),  // 129
    number([](GameState& s) -> Num& { return s.firm(5).price; }),  // 130
    number([](GameState& s) -> Num& { return s.firm(5).marketState; }),  // 131
    number([](GameState& s) -> Num& { return s.firm(6).spent; }),  // 132
    number([](GameState& s) -> Num& { return s.firm(6).proceeds; }),  // 133
    number([](GameState& s) -> Num& { return s.firm(6).sharesBought; }),  // 134
    number([](GameState& s) -> Num& { return s.firm(6).purchaseCost; }),  // 135
    text([](GameState& s) -> std::string& { return s.firm(6).name; }),  // 136
    number([](GameState& s) -> Num& { return s.firm(6).price; }),  // 137
    number([](GameState& s) -> Num& { return s.firm(6).marketState; }),  // 138
    number([](GameState& s) -> Num& { return s.newsCarrierShown; }, SlotCheck::newsFlag),  // 139
    number([](GameState& s) -> Num& { return s.indexRiseMark; }),  // 140
    number([](GameState& s) -> Num& { return s.newsValleyStrikeShown; }, SlotCheck::newsFlag),  // 141
    number([](GameState& s) -> Num& { return s.newsBlockadeShown; }, SlotCheck::newsFlag),  // 142
    number([](GameState& s) -> Num& { return s.spare143; }),  // 143
    fixedText([](GameState& s) -> std::string& { return s.pricesFallText; }),  // 144
    fixedText([](GameState& s) -> std::string& { return s.pricesSteadyText; }),  // 145
    number([](GameState& s) -> Num& { return s.indexHistory[1]; }),  // 146
    number([](GameState& s) -> Num& { return s.indexHistory[2]; }),  // 147
    number([](GameState& s) -> Num& { return s.indexHistory[3]; }),  // 148
    number([](GameState& s) -> Num& { return s.indexHistory[4]; }),  // 149
    number([](GameState& s) -> Num& { return s.indexHistory[5]; }),  // 150
    number([](GameState& s) -> Num& { return s.indexHistory[6]; }),  // 151
    number([](GameState& s) -> Num& { return s.indexHistory[7]; }),  // 152
    number([](GameState& s) -> Num& { return s.indexHistory[8]; }),  // 153
    number([](GameState& s) -> Num& { return s.indexHistory[9]; }),  // 154
    number([](GameState& s) -> Num& { return s.indexHistory[10]; }),  // 155
    number([](GameState& s) -> Num& { return s.indexHistory[11]; }),  // 156
    number([](GameState& s) -> Num& { return s.indexHistory[12]; }),  // 157
    number([](GameState& s) -> Num& { return s.indexHistory[13]; }),  // 158
    number([](GameState& s) -> Num& { return s.indexHistory[14]; }),  // 159
    number([](GameState& s) -> Num& { return s.indexHistory[15]; }),  // 160
    number([](GameState& s) -> Num& { return s.assetHistory[1]; }),  // 161
    number([](GameState& s) -> Num& { return s.assetHistory[2]; }),  // 162
    number([](GameState& s) -> Num& { return s.assetHistory[3]; }),  // 163
    number([](GameState& s) -> Num& { return s.assetHistory[4]; }),  // 164
    number([](GameState& s) -> Num& { return s.assetHistory[5]; }),  // 165
    number([](GameState& s) -> Num& { return s.assetHistory[6]; }),  // 166
    number([](GameState& s) -> Num& { return s.assetHistory[7]; }),  // 167
    number([](GameState& s) -> Num& { return s.assetHistory[8]; }),  // 168
    number([](GameState& s) -> Num& { return s.assetHistory[9]; }),  // 169
    number([](GameState& s) -> Num& { return s.assetHistory[10]; }),  // 170
    number([](GameState& s) -> Num& { return s.assetHistory[11]; }),  // 171
    number([](GameState& s) -> Num& { return s.assetHistory[12]; }),  // 172
    number([](GameState& s) -> Num& { return s.assetHistory[13]; }),  // 173
    number([](GameState& s) -> Num& { return s.assetHistory[14]; }),  // 174
    number([](GameState& s) -> Num& { return s.assetHistory[15]; }),  // 175
    number([](GameState& s) -> Num& { return s.cash; }),  // 176
    text([](GameState& s) -> std::string& { return s.offer.name; }),  // 177
    number([](GameState& s) -> Num& { return s.firmOnOffer; }),  // 178
    number([](GameState& s) -> Num& { return s.firm(4).sharesBought; }),  // 179
    text([](GameState& s) -> std::string& { return s.offerMarketWord; }),  // 180
    number([](GameState& s) -> Num& { return s.historyIndex; }),  // 181
};

}  // namespace

std::span<const SlotSpec> slotTable() { return slots; }

void zeroEveryNumber(GameState& state) {
    for (const SlotSpec& spec : slots) {
        if (spec.kind == SlotKind::number) {
            spec.number(state) = 0;
        }
    }
}

}  // namespace vekselgrad
