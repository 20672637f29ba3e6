#include "endgame/analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "endgame_state.h"
#include "fake_ports.h"
#include "state/state_files.h"
#include "temp_folder.h"

namespace vekselgrad {
namespace {

using Lines = std::vector<std::string>;
using testing_ports::FakeRandom;
using testing_ports::FakeWindow;

const std::string farewell =
    "Кликни мышкой два раза, чтобы сыграть заново. Успехов вам в извлечении нетрудовых  "
    "доходов!      ";

GameState afterResults(double errors, double rightDecisions) {
    GameState s = finishedGame();
    s.errorCount = errors;
    s.rightDecisionCount = rightDecisions;
    return s;
}

bool hasLineStarting(const Lines& lines, const std::string& start) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.starts_with(start); });
}

// The lines between two given lines, both left out.
Lines linesBetween(const Lines& lines, const std::string& first, const std::string& last) {
    const auto from = std::find(lines.begin(), lines.end(), first);
    const auto to = std::find(from, lines.end(), last);
    return from == lines.end() ? Lines{} : Lines(from + 1, to);
}

TEST(EndgameAnalysis, QuietGamePrintsTheBankAndInformationAdviceAndTheScore) {
    EXPECT_EQ(analysisLines(afterResults(0, 0)),
              (Lines{"", "", "",
                     "Почему вы не решились вкладывать деньги в банк? Это вполне безопасно и "
                     "гарантирует прибыль с процентов.",
                     "",
                     "Информация предоставляется исключительно для того, чтобы вы могли оченить, "
                     "приносят ли акции вам дивиденты. Не используя её, вы играете на",
                     "бирже совершенно наугад...", "", "Вы набрали следующее число очков", "",
                     "Ошибки:              0 ", "Прав. решения:  0 ", "Поощрит. очки:  25 ",
                     "Всего:                 25 ", "", farewell}));
}

TEST(EndgameAnalysis, EveryParagraphInOrder) {
    GameState s = afterResults(1, 6);
    s.level = 3;
    s.cheapVolatileBuys = 1;
    s.missedBuyChances = 2;
    s.spareCashBuys = 3;
    s.debtLimitRefusals = 4;
    s.fallingMarketBuys = 5;
    s.smallCheapSales = 1;
    s.expensiveFallingBuys = 6;
    s.fallingHoldNoBuy = 7;
    s.concentratedBuys = 8;
    s.firm(3).sharesHeld = 41;
    s.fridaySales = 2;
    EXPECT_EQ(
        analysisLines(s),
        (Lines{
            "",
            "",
            "",
            "Вы обладаете неплохим чутьём при скупке дешёвых акций на неустойчивом рынке",
            "",
            "",
            "Вы потерпели неудачу в  2 случаях, когда можно было прибыльно покупать акции. Если "
            "возможно, покупайте их, когда тренд положителен.",
            "",
            "Почему вы не решились вкладывать деньги в банк? Это вполне безопасно и гарантирует "
            "прибыль с процентов.",
            "",
            "В  3  случаях вы имели достаточно денег для вклада их в банк, однако решили покупать "
            "на них акции. Крах на рынке может уничтожить всё ваше",
            "благосостояние. Прибыль с процентов в банке достаточно высока, по этому используйте "
            "его как можно чаще.",
            "",
            "Хорошая тактика при устойчиво падающем тренде состоит в том, чтобы продавать и "
            "покупать акции быстро и с прибылью, после чего вкладывать",
            "деньги в банк, где вам гарантирован их рост.",
            "",
            " 4  раз вы пытались скупить акции, когда ваши возможности и вклад в банке были "
            "недостаточно велики. Это пустая трата денег и вашего драгоцен-",
            "ного маклерского времени. Будьте внимательны и контролируйте имеющиеся средства.",
            "",
            "Вы покупали акции  5  раз, когда они падали в цене или собирались сделать это. "
            "Занимайтесь скупкой на (Падающем рынке) только когда акции дешёвы и",
            "существует возможность продавать их с максимальной прибылью.",
            "",
            "Ваша тактика продажи небольших пакетов дешёвых акций на неустойчивом рынке достойна "
            "всяческих похвал!",
            "",
            " 6  раз вы покупали акции по высоким ценам в то время, когда они начинали падать. "
            "Огромные суммы денег могут потеряны таким путём.",
            "",
            "В  7  случаях вы продавали акции по высокой цене, когда они падали на рынке. Если "
            "ситуация резко меняется, лучшим способом уменьшить потери",
            "является быстрая продажа бумаг, иначе позже убытки могут быть больше.",
            "",
            "Не пытайтесь вкладывать слишком много средств в одну компанию. Если ситуация на "
            "рынке вдруг изменится, вы рискуете не найти достаточное",
            "число покупателей, чтобы компенсировать убытки. В  8 случаях вам следовало бы чаще "
            "продавать, а не покупать акции.",
            "",
            "Информация предоставляется исключительно для того, чтобы вы могли оченить, приносят "
            "ли акции вам дивиденты. Не используя её, вы играете на",
            "бирже совершенно наугад...",
            "",
            "У вас осталось 41 акций не проданными. Все они подлежат налообложению. А ведь этого "
            "можно было бы избежать...",
            "",
            "Ваша тактика массовой продажи акций в пятницу замечательна.",
            "",
            "Не так плохо для начала, товарищ",
            "",
            "Вы набрали следующее число очков",
            "",
            "Ошибки:              1 ",
            "Прав. решения:  6 ",
            "Поощрит. очки:  15 ",
            "Всего:                 20 ",
            "",
            farewell}));
}

struct VerdictCase {
    double errors;
    double rightDecisions;
    Lines verdict;
};

class EndgameVerdictTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(EndgameVerdictTest, StandsBetweenTheAdviceAndTheScore) {
    const VerdictCase& c = GetParam();
    const Lines lines = analysisLines(afterResults(c.errors, c.rightDecisions));
    Lines verdict =
        linesBetween(lines, "бирже совершенно наугад...", "Вы набрали следующее число очков");
    ASSERT_FALSE(verdict.empty());
    verdict.pop_back();  // the blank line that opens the score
    EXPECT_EQ(verdict, c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, EndgameVerdictTest,
    testing::Values(VerdictCase{0,
                                11,
                                {"", "Выши действия достаточны всяческих поощрений.", "", "",
                                 "НАШИ ПОЗДРАВЛЕНИЯ!!!"}},
                    VerdictCase{0,
                                10,
                                {"", "", "Не было никаких серъёзных ошибок в ваших действиях.", "",
                                 "НАШИ ПОЗДРАВЛЕНИЯ!"}},
                    VerdictCase{0, 5, {}},
                    VerdictCase{1, 6, {"", "Не так плохо для начала, товарищ"}},
                    VerdictCase{1, 11, {"", "Не так плохо для начала, товарищ"}},
                    VerdictCase{1, 5, {}}, VerdictCase{2, 20, {}}));

struct ScoreCase {
    double errors;
    double rightDecisions;
    double unsold;
    Lines score;
};

class EndgameScoreTest : public testing::TestWithParam<ScoreCase> {};

TEST_P(EndgameScoreTest, LabelsAndNumbersInPrintForm) {
    const ScoreCase& c = GetParam();
    GameState s = afterResults(c.errors, c.rightDecisions);
    s.firm(6).sharesHeld = c.unsold;
    const Lines lines = analysisLines(s);
    EXPECT_EQ(linesBetween(lines, "Вы набрали следующее число очков", farewell),
              (Lines{"", c.score[0], c.score[1], c.score[2], c.score[3], ""}));
}

INSTANTIATE_TEST_SUITE_P(
    BonusPoints, EndgameScoreTest,
    testing::Values(ScoreCase{0,
                              6,
                              0,
                              {"Ошибки:              0 ", "Прав. решения:  6 ",
                               "Поощрит. очки:  35 ", "Всего:                 41 "}},
                    ScoreCase{7,
                              0,
                              30,
                              {"Ошибки:              7 ", "Прав. решения:  0 ",
                               "Поощрит. очки:  0 ", "Всего:                -7 "}},
                    ScoreCase{2,
                              3,
                              19,
                              {"Ошибки:              2 ", "Прав. решения:  3 ",
                               "Поощрит. очки:  10 ", "Всего:                 11 "}},
                    ScoreCase{3,
                              6,
                              20,
                              {"Ошибки:              3 ", "Прав. решения:  6 ",
                               "Поощрит. очки:  10 ", "Всего:                 13 "}}));

TEST(EndgameAnalysis, UnsoldSharesAreNamedAboveForty) {
    GameState s = afterResults(0, 0);
    s.firm(2).sharesHeld = 40;
    EXPECT_FALSE(hasLineStarting(analysisLines(s), "У вас осталось"));
    s.firm(2).sharesHeld = 41;
    EXPECT_TRUE(hasLineStarting(analysisLines(s), "У вас осталось 41 акций не проданными."));
}

TEST(EndgameAnalysis, BankAdviceByLevelAndDeposit) {
    const std::string whyNoBank = "Почему вы не решились вкладывать деньги в банк?";
    const std::string fallingTrend = "Хорошая тактика при устойчиво падающем тренде";
    GameState s = afterResults(0, 0);
    for (double level : {1.0, 2.0}) {
        s.level = level;
        EXPECT_TRUE(hasLineStarting(analysisLines(s), whyNoBank));
        EXPECT_FALSE(hasLineStarting(analysisLines(s), fallingTrend));
    }
    s.level = 3;
    EXPECT_TRUE(hasLineStarting(analysisLines(s), whyNoBank));
    EXPECT_TRUE(hasLineStarting(analysisLines(s), fallingTrend));
    s.bankMoney = 500;
    EXPECT_FALSE(hasLineStarting(analysisLines(s), whyNoBank));
    EXPECT_FALSE(hasLineStarting(analysisLines(s), fallingTrend));
}

class EndgameAnalysisClickTest : public testing::Test {
  protected:
    TempFolder folder;
    FakeWindow window;
    FakeRandom random;
    Ports ports{window, random, ','};

    std::string stateFiles() const {
        std::string all;
        for (const char* name : {"Data.txt", "Data1.txt", "Data2.txt", "Data3.txt", "Data4.txt",
                                 "Data5.txt", "Data6.txt", "Data7.txt", "Data8.txt"}) {
            all += folder.read(name);
        }
        return all;
    }
    std::vector<std::string> click() {
        window.events.clear();
        printAnalysis(folder.path(), ports);
        return window.events;
    }
};

TEST_F(EndgameAnalysisClickTest, ClickingTwicePrintsTheSameTextFromACleanForm) {
    GameState s = afterResults(2, 7);
    s.spareCashBuys = 2;
    saveState(folder.path(), s);
    const auto first = click();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(first.front(), "clear Form6");
    EXPECT_EQ(window.printed, analysisLines(s));
    EXPECT_EQ(click(), first);
    EXPECT_EQ(window.printed, analysisLines(s));
}

TEST_F(EndgameAnalysisClickTest, PrintsTheTotalsTheResultsRecorded) {
    GameState s = afterResults(5, 9);
    saveState(folder.path(), s);
    click();
    EXPECT_TRUE(hasLineStarting(window.printed, "Ошибки:              5 "));
    EXPECT_TRUE(hasLineStarting(window.printed, "Прав. решения:  9 "));
}

TEST_F(EndgameAnalysisClickTest, WithoutRecordedTotalsCountsThemAndWritesNothing) {
    GameState s = finishedGame();
    s.spareCashBuys = 1;
    s.debtLimitRefusals = 1;
    s.firm(4).sharesHeld = 21;
    s.fridaySales = 2;
    s.timelyBankSales = 1;
    saveState(folder.path(), s);
    const std::string before = stateFiles();
    click();
    EXPECT_EQ(linesBetween(window.printed, "Вы набрали следующее число очков", farewell),
              (Lines{"", "Ошибки:              3 ", "Прав. решения:  3 ", "Поощрит. очки:  0 ",
                     "Всего:                 0 ", ""}));
    EXPECT_EQ(stateFiles(), before);
}

TEST_F(EndgameAnalysisClickTest, MissingStateFilesAreReportedBeforeTheFormIsCleared) {
    EXPECT_THROW(click(), StateFileError);
    EXPECT_TRUE(window.events.empty());
}

}  // namespace
}  // namespace vekselgrad
