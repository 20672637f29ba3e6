#include "endgame/results.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "endgame_state.h"
#include "fake_ports.h"
#include "state/state_files.h"
#include "temp_folder.h"

namespace vekselgrad {
namespace {

using testing_ports::FakeRandom;
using testing_ports::FakeWindow;

// Tax, broker income, bank money with interest, interest, profit, total assets, rating and
// highest rating, as the value boxes show them.
using Figures = std::array<double, 8>;

Figures figuresOf(const ResultFigures& f) {
    return {f.turnoverTax, f.brokerIncome, f.bankMoneyWithInterest,
            f.interest,    f.profit,       f.totalAssets,
            f.rating,      f.bestRating};
}

// What the results keep in the state besides the highest rating.
struct KeptTotals {
    double errors;
    double rightDecisions;
    double ratingPoints;  // kept as totalAssets
};

struct ResultsCase {
    const char* name;
    Figures figures;
    KeptTotals kept;
    void (*setUp)(GameState& s);
};

class ResultsTest : public testing::TestWithParam<ResultsCase> {};

TEST_P(ResultsTest, FiguresRatingAndRecordedTotals) {
    const ResultsCase& c = GetParam();
    GameState s = finishedGame();
    c.setUp(s);
    const ResultFigures figures = computeResults(s);
    EXPECT_EQ(figuresOf(figures), c.figures);
    ASSERT_TRUE(s.errorCount && s.rightDecisionCount);
    EXPECT_EQ(double(*s.errorCount), c.kept.errors);
    EXPECT_EQ(double(*s.rightDecisionCount), c.kept.rightDecisions);
    EXPECT_EQ(double(s.totalAssets), c.kept.ratingPoints);
    EXPECT_EQ(double(s.bestRating), c.figures[7]);
}

void holdShares(GameState& s, double shares) {
    s.firm(1).sharesHeld = shares;
    s.cash = 15000 - shares * s.firm(1).price;
}

INSTANTIATE_TEST_SUITE_P(
    EndgameRating, ResultsTest,
    testing::Values(
        ResultsCase{"NothingDone", {0, 0, 0, 0, 0, 15000, 25, 25}, {0, 0, 25}, [](GameState&) {}},
        ResultsCase{"LossRaisesAssetsThroughNegativeTax",
                    {-301, 0, 0, 0, -700, 14300, 18, 18},
                    {0, 0, 18},
                    [](GameState& s) { s.cash = 13999; }},
        ResultsCase{"NineteenUnsoldSharesGiveOneBonus",
                    {0, 0, 0, 0, 0, 15000, 20, 20},
                    {0, 0, 20},
                    [](GameState& s) { holdShares(s, 19); }},
        ResultsCase{"TwentyUnsoldSharesGiveNoBonusAndNoError",
                    {0, 0, 0, 0, 0, 15000, 15, 15},
                    {0, 0, 15},
                    [](GameState& s) { holdShares(s, 20); }},
        ResultsCase{"TwentyOneUnsoldSharesAreAnError",
                    {0, 0, 0, 0, 0, 15000, 4, 4},
                    {1, 0, 4},
                    [](GameState& s) { holdShares(s, 21); }},
        ResultsCase{"OneError",
                    {0, 0, 0, 0, 0, 15000, 14, 14},
                    {1, 0, 14},
                    [](GameState& s) { s.spareCashBuys = 1; }},
        ResultsCase{"TwoErrors",
                    {0, 0, 0, 0, 0, 15000, 13, 13},
                    {2, 0, 13},
                    [](GameState& s) {
                        s.missedBuyChances = 1;
                        s.debtLimitRefusals = 1;
                    }},
        ResultsCase{"ThreeErrorsLoseTheBonus",
                    {0, 0, 0, 0, 0, 15000, 7, 7},
                    {3, 0, 7},
                    [](GameState& s) {
                        s.fallingHoldNoBuy = 1;
                        s.concentratedBuys = 1;
                        s.fallingMarketBuys = 1;
                    }},
        ResultsCase{"EveryKindOfError",
                    {0, 0, 0, 0, 0, 15000, 3, 3},
                    {7, 0, 3},
                    [](GameState& s) {
                        for (Num* n : {&s.spareCashBuys, &s.missedBuyChances, &s.fallingHoldNoBuy,
                                       &s.concentratedBuys, &s.fallingMarketBuys,
                                       &s.expensiveFallingBuys, &s.debtLimitRefusals}) {
                            *n = 1;
                        }
                    }},
        ResultsCase{"FiveRightDecisionsGiveNoBonus",
                    {0, 0, 0, 0, 0, 15000, 30, 30},
                    {0, 5, 30},
                    [](GameState& s) {
                        for (Num* n : {&s.cheapVolatileBuys, &s.smallCheapSales, &s.fridaySales,
                                       &s.largeHoldingDeposits, &s.timelyBankSales}) {
                            *n = 1;
                        }
                    }},
        ResultsCase{"SixRightDecisionsGiveTheBonus",
                    {0, 0, 0, 0, 0, 15000, 41, 41},
                    {0, 6, 41},
                    [](GameState& s) {
                        s.cheapVolatileBuys = 1;
                        s.smallCheapSales = 1;
                        s.fridaySales = 2;
                        s.largeHoldingDeposits = 1;
                        s.timelyBankSales = 1;
                    }},
        ResultsCase{"FinalIndexTwoHundredCostsThirteen",
                    {0, 0, 0, 0, 0, 15000, 12, 12},
                    {0, 0, 25},
                    [](GameState& s) { s.stockIndex = 200; }},
        ResultsCase{"FinalIndexOneHundredFiftyAddsTwelve",
                    {0, 0, 0, 0, 0, 15000, 37, 37},
                    {0, 0, 25},
                    [](GameState& s) { s.stockIndex = 150; }},
        ResultsCase{"FirstNegativeRatingLeavesTheBestAtZero",
                    {-1500, 0, 0, 0, -3500, 11500, -10, 0},
                    {0, 0, -10},
                    [](GameState& s) { s.cash = 10000; }},
        ResultsCase{"HigherBestRatingStays",
                    {0, 0, 0, 0, 0, 15000, 25, 40},
                    {0, 0, 25},
                    [](GameState& s) { s.bestRating = 40; }},
        ResultsCase{"BrokerIncomeIsCutButChargedInFull",
                    {0, 301, 0, 0, -302, 14698, 21, 21},
                    {0, 0, 21},
                    [](GameState& s) { s.sharesTraded = 1005; }},
        ResultsCase{"BankMoneyEarnsTwelvePercent",
                    {-300, 0, 1120, 120, 420, 15420, 29, 29},
                    {0, 0, 29},
                    [](GameState& s) {
                        s.cash = 14000;
                        s.bankMoney = 1000;
                    }},
        ResultsCase{"LevelThreeMultipliesTheHundreds",
                    {300, 0, 0, 0, 700, 5700, 46, 46},
                    {0, 0, 46},
                    [](GameState& s) {
                        s.level = 3;
                        s.cash = 6000;
                    }},
        ResultsCase{"LevelTwoWithSharesAtMarketPrice",
                    {120, 0, 0, 0, 280, 7780, 8, 8},
                    {1, 0, 8},
                    [](GameState& s) {
                        s.level = 2;
                        s.cash = 7000;
                        s.firm(2).sharesHeld = 100;
                    }}),
    [](const testing::TestParamInfo<ResultsCase>& param) { return std::string(param.param.name); });

class EndgameAchievementsTest : public testing::Test {
  protected:
    TempFolder folder;
    FakeWindow window;
    FakeRandom random;
    Ports ports{window, random, ','};

    std::vector<std::string> pressAchievements() {
        window.events.clear();
        showAchievements(folder.path(), ports);
        return window.events;
    }
};

TEST_F(EndgameAchievementsTest, FillsTheValueBoxesInOrder) {
    GameState s = finishedGame();
    s.cash = 13999;
    s.sharesTraded = 1005;
    saveState(folder.path(), s);
    EXPECT_EQ(pressAchievements(),
              (std::vector<std::string>{"box Form5 Text2=-301", "box Form5 Text4=301",
                                        "box Form5 Text6=0", "box Form5 Text8=0",
                                        "box Form5 Text10=-1002", "box Form5 Text12=13998",
                                        "box Form5 Text14=14", "box Form5 Text16=14"}));
}

TEST_F(EndgameAchievementsTest, PressedTwiceShowsTheSameFiguresAndKeepsTheHigherBest) {
    GameState s = finishedGame();
    s.bestRating = 10;
    saveState(folder.path(), s);
    const auto first = pressAchievements();
    EXPECT_EQ(first.back(), "box Form5 Text16=25");
    EXPECT_EQ(pressAchievements(), first);

    s.bestRating = 40;
    saveState(folder.path(), s);
    pressAchievements();
    EXPECT_EQ(pressAchievements().back(), "box Form5 Text16=40");
    GameState saved;
    loadState(folder.path(), saved);
    EXPECT_EQ(double(saved.bestRating), 40);
}

TEST_F(EndgameAchievementsTest, SavesTheTotalsAsTwentyThreeValuesOfData8) {
    GameState s = finishedGame();
    s.spareCashBuys = 2;
    s.fridaySales = 3;
    saveState(folder.path(), s);
    pressAchievements();
    EXPECT_TRUE(folder.read("Data8.txt").ends_with(",2,3\r\n"));
    GameState saved;
    loadState(folder.path(), saved, Data8Values::totalsIfPresent);
    ASSERT_TRUE(saved.errorCount && saved.rightDecisionCount);
    EXPECT_EQ(double(*saved.errorCount), 2);
    EXPECT_EQ(double(*saved.rightDecisionCount), 3);
    EXPECT_EQ(double(saved.totalAssets), 16);  // 10 for no share held, -2 + 3, 5 for few errors
    EXPECT_EQ(double(saved.cash), 15000);
}

TEST_F(EndgameAchievementsTest, EmptyBestRatingStaysEmptyWhenTheRatingIsNotAbove) {
    GameState s = finishedGame();
    s.cash = 10000;
    s.bestRating = Num::emptyValue();
    saveState(folder.path(), s);
    EXPECT_EQ(pressAchievements().back(), "box Form5 Text16=0");
    GameState saved;
    loadState(folder.path(), saved);
    EXPECT_TRUE(saved.bestRating.empty());
}

TEST_F(EndgameAchievementsTest, MissingStateFilesAreReportedAndNothingIsShown) {
    EXPECT_THROW(pressAchievements(), StateFileError);
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace vekselgrad
