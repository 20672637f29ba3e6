#include "newgame/new_game.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/game_random.h"
#include "engine/random_draw.h"
#include "fake_ports.h"
#include "state/state_files.h"
#include "temp_folder.h"

namespace vekselgrad {
namespace {

using testing_ports::FakeRandom;
using testing_ports::FakeWindow;

class NewGameTest : public ::testing::Test {
protected:
    TempFolder folder;
    FakeWindow window;
    FakeRandom random;
    Ports ports{window, random, '.'};

    // Every draw of the six market states lands on its lowest value; no news after the offer.
    void quietDraws(int level = 1) {
        for (int n : {3, 4, 4, 3, 4, 7}) {
            random.numbers.insert(random.numbers.end(), static_cast<std::size_t>(n * n + 2), 0.0f);
        }
        random.numbers.insert(random.numbers.end(), static_cast<std::size_t>(level), 0.5f);
    }
    GameState saved() const {
        GameState s;
        loadState(folder.path(), s);
        return s;
    }
};

TEST_F(NewGameTest, SetsUpTheGameAndPresentsTheFirstFirm) {
    quietDraws();
    window.answers = {"1"};
    startNewGame(folder.path(), ports);
    EXPECT_TRUE(random.numbers.empty());
    EXPECT_EQ(folder.read("Data.txt"), "15000,7,9700,9750,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0\r\n");
    const GameState s = saved();
    EXPECT_EQ(double(s.stockIndex), 175);
    EXPECT_EQ(double(s.firmOnOffer), 1);
    const double states[] = {2, 3, 2, 1, 2, 1};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(double(s.firm(k).marketState), states[k - 1]);
    }
    EXPECT_EQ(s.offerMarketWord, "Изменчивое");
    EXPECT_TRUE(s.indexHistory[1].empty());
    EXPECT_TRUE(s.debtLimitFlag.empty());
    EXPECT_EQ(window.box("Form4 saf(1)"), s.firm(1).name);
    EXPECT_EQ(window.box("Form4 Text21"), "+ 0");
    EXPECT_EQ(window.box("Form4 Text25"), "<unwritten>");
    EXPECT_EQ(window.events.front(), "clear Form4");
}

struct LevelAnswers {
    std::deque<std::string> answers;
    double cash;
};

class LevelDialogTest : public NewGameTest, public ::testing::WithParamInterface<LevelAnswers> {};

TEST_P(LevelDialogTest, AsksUntilOneTwoOrThree) {
    quietDraws(static_cast<int>(15000 / GetParam().cash));
    window.answers = GetParam().answers;
    startNewGame(folder.path(), ports);
    EXPECT_TRUE(window.answers.empty());
    EXPECT_EQ(double(saved().cash), GetParam().cash);
    EXPECT_EQ(window.events[1],
              "input ВЕКСЕЛЬГРАД | Выбирайте уровень игры (1 - 3) -> " + GetParam().answers[0]);
}

INSTANTIATE_TEST_SUITE_P(Answers, LevelDialogTest,
                         ::testing::Values(LevelAnswers{{"1"}, 15000}, LevelAnswers{{"2"}, 7500},
                                           LevelAnswers{{"3"}, 5000},
                                           LevelAnswers{{"0", "4", "9", "a", "12", " 2", "", "2"},
                                                        7500}));

// The six state draws of a new game share one pick list, in firm order: firm 4 (n = 3) may pick
// up what firm 3's draw left on its end positions.
TEST(NewGameDraws, MarketStatesStayInTheirRanges) {
    FakeWindow window;
    GameRandom random(99);
    Ports ports{window, random, '.'};
    std::set<double> seen[7];
    for (int game = 0; game < 3000; ++game) {
        Click click("", ports);
        const int ranges[] = {3, 4, 4, 3, 4, 7};
        const double offsets[] = {2, 3, 2, 1, 2, 1};
        for (int k = 1; k <= 6; ++k) {
            seen[k].insert(randomDraw(click, ranges[k - 1], offsets[k - 1]));
        }
    }
    EXPECT_EQ(seen[1], (std::set<double>{0, 2, 3, 4}));
    EXPECT_EQ(seen[2], (std::set<double>{3, 4, 5, 6}));
    EXPECT_EQ(seen[3], (std::set<double>{2, 3, 4, 5}));
    EXPECT_EQ(seen[4], (std::set<double>{1, 2, 3, 4, 5}));
    EXPECT_EQ(seen[5], (std::set<double>{2, 3, 4, 5}));
    EXPECT_EQ(seen[6], (std::set<double>{0, 1, 2, 3, 4, 5, 6, 7}));
}

}  // namespace
}  // namespace vekselgrad
