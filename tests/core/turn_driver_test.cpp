#include <gtest/gtest.h>

#include <algorithm>

#include "actions/trading_buttons.h"
#include "engine/game_random.h"
#include "fake_ports.h"
#include "setup_state.h"
#include "state/state_files.h"
#include "temp_folder.h"

namespace vekselgrad {
namespace {

using testing_ports::FakeRandom;
using testing_ports::FakeWindow;
using testing_state::setupState;

class TurnDriverTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeWindow window;
    GameRandom seeded{12345};
    Ports ports{window, seeded, '.'};
    GameState start = playState();

    // The state of a game under way: the first offer has set the stock index.
    static GameState playState() {
        GameState s = setupState();
        s.stockIndex = 175;
        s.firmOnOffer = 1;
        s.offer = s.firm(1);
        return s;
    }

    GameState skipOnce() {
        saveState(folder.path(), start);
        skipClick(folder.path(), ports);
        GameState after;
        loadState(folder.path(), after);
        return after;
    }
    long count(const std::string& event) const {
        return std::count(window.events.begin(), window.events.end(), event);
    }
};

// A 3 x 3 draw of +2 for a firm in market state 3, then a news gate that lets nothing through.
void stableStepWithoutNews(FakeRandom& random) {
    for (int i = 0; i < 9; ++i) {
        random.numbers.push_back(0.9f);
    }
    random.numbers.insert(random.numbers.end(), {0.0f, 0.0f, 0.5f});
}

TEST_F(TurnDriverTest, SkipMovesTheDeclinedAndTheNextFirmsPrices) {
    FakeRandom random;
    stableStepWithoutNews(random);
    stableStepWithoutNews(random);
    Ports fixed{window, random, '.'};
    start.firmOnOffer = 3;
    saveState(folder.path(), start);
    skipClick(folder.path(), fixed);
    GameState after;
    loadState(folder.path(), after);
    EXPECT_EQ(double(after.firmOnOffer), 4);
    EXPECT_EQ(double(after.firm(3).price), 26);
    EXPECT_EQ(double(after.firm(4).price), 29);
    EXPECT_EQ(double(after.firm(5).price), 13);
    EXPECT_TRUE(random.numbers.empty());
    EXPECT_EQ(window.box("Form4 saf(1)"), after.firm(4).name);
    EXPECT_EQ(window.box("Form4 baf(7)"), "29");
}

TEST_F(TurnDriverTest, ClickAfterTheSixthFirmEndsThePartAndRecordsItsHistory) {
    start.firmOnOffer = 6;
    start.day = 2;
    start.part = 1;
    start.historyIndex = 4;
    start.stockIndex = 180;
    start.firm(2).sharesHeld = 10;
    start.bankMoney = 100;
    const GameState after = skipOnce();
    EXPECT_EQ(double(after.firmOnOffer), 1);
    EXPECT_EQ(double(after.part), 2);
    EXPECT_EQ(double(after.day), 2);
    EXPECT_EQ(double(after.historyIndex), 5);
    EXPECT_EQ(double(after.indexHistory[4]), 175);  // the index after pass 1's store
    EXPECT_EQ(double(after.assetHistory[4]), 15000 + 100 + 10 * double(after.firm(2).price));
    EXPECT_TRUE(after.indexHistory[5].empty());
    EXPECT_EQ(window.box("Form4 saf(1)"), after.firm(1).name);
    EXPECT_EQ(count("show Form5"), 0);
}

TEST_F(TurnDriverTest, LastClickOfTheGameShowsTheResultsFormOnceAndSaves) {
    start.firmOnOffer = 6;
    start.day = 5;
    start.part = 3;
    start.historyIndex = 15;
    const GameState after = skipOnce();
    EXPECT_EQ(double(after.day), 6);
    EXPECT_EQ(double(after.part), 1);
    EXPECT_EQ(double(after.firmOnOffer), 1);
    EXPECT_EQ(double(after.historyIndex), 16);
    EXPECT_FALSE(after.indexHistory[15].empty());
    EXPECT_EQ(count("show Form5"), 1);
}

TEST_F(TurnDriverTest, ClickAfterTheGameShowsTheResultsFormInBothPasses) {
    start.firmOnOffer = 2;
    start.day = 6;
    start.historyIndex = 16;
    const GameState after = skipOnce();
    EXPECT_EQ(count("show Form5"), 2);
    EXPECT_EQ(double(after.firmOnOffer), 3);
}

TEST_F(TurnDriverTest, PartEndedAfterTheFifteenthRecordsNoHistoryElement) {
    start.firmOnOffer = 6;
    start.day = 6;
    start.historyIndex = 16;
    const GameState after = skipOnce();
    EXPECT_EQ(double(after.historyIndex), 17);
    EXPECT_EQ(double(after.part), 2);
}

TEST_F(TurnDriverTest, SkipPastABankruptFirmTakesTheTrendPathForTheNext) {
    FakeRandom random;
    stableStepWithoutNews(random);  // pass 1 presents firm 1
    for (int i = 0; i < 25; ++i) {
        random.numbers.push_back(0.5f);  // firm 3's trend: 2 - 2, no change
    }
    random.numbers.insert(random.numbers.end(), {0.0f, 0.0f});
    Ports fixed{window, random, '.'};
    start.firm(2).status = 5;
    start.firm(2).sharesHeld = 40;
    start.firm(3).status = 2;
    saveState(folder.path(), start);
    skipClick(folder.path(), fixed);
    GameState after;
    loadState(folder.path(), after);
    EXPECT_TRUE(random.numbers.empty());
    const std::string bankruptShown = "box Form4 saf(1)=Обанкротилась " + start.firm(2).name;
    EXPECT_EQ(count(bankruptShown), 1);
    EXPECT_EQ(double(after.firm(1).price), 15);
    EXPECT_EQ(double(after.firm(3).status), 2);
    EXPECT_EQ(double(after.firmOnOffer), 2);
    EXPECT_EQ(double(after.firm(2).price), 0);
    EXPECT_EQ(double(after.firm(2).status), 5);
    EXPECT_EQ(double(after.firm(2).sharesHeld), 40);
    EXPECT_EQ(after.firm(3).name, start.firm(3).name);
    EXPECT_EQ(double(after.firm(3).price), 24);  // a trend step does not move the price
    EXPECT_EQ(double(after.firm(3).marketState), 3);
    EXPECT_EQ(window.box("Form4 saf(1)"), bankruptShown.substr(17));
}

struct BankruptChain {
    const char* name;
    std::vector<int> bankruptFirms;
    double firmOnOffer;
};

class BankruptChainTest : public TurnDriverTest,
                          public ::testing::WithParamInterface<BankruptChain> {};

TEST_P(BankruptChainTest, EveryClickEndsWithASavedStateThatLoads) {
    const auto& chain = GetParam();
    for (auto click : {sellClick, buyClick, skipClick}) {
        GameState s = setupState();
        for (int k : chain.bankruptFirms) {
            s.firm(k).status = 5;
        }
        s.firm(6).status = 4;
        s.firmOnOffer = chain.firmOnOffer;
        saveState(folder.path(), s);
        window.answers.assign(40, "0");
        click(folder.path(), ports);
        GameState after;
        EXPECT_NO_THROW(loadState(folder.path(), after));
        for (int k = 1; k <= 6; ++k) {
            EXPECT_EQ(after.firm(k).name, s.firm(k).name);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chains, BankruptChainTest,
    ::testing::Values(BankruptChain{"lastFirm", {6}, 6}, BankruptChain{"twoInARow", {3, 4}, 3},
                      BankruptChain{"all", {1, 2, 3, 4, 5, 6}, 2},
                      BankruptChain{"noneOnOffer", {1}, 0},
                      BankruptChain{"oddOffer", {2, 5}, 2.5},
                      BankruptChain{"alternate", {1, 3, 5}, 1}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace vekselgrad
