#include "state/state_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "state/text_encoding.h"
#include "temp_folder.h"

namespace vekselgrad {
namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }

std::string firmName(const std::string& name) {
    return fitToLength(blanks(31) + name, 46);
}

// The state right after a new game's setup at level 1, with every firm in market state 3.
GameState setupState() {
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

std::string quoted(const std::string& utf8) { return "\"" + utf8ToCp1251(utf8) + "\""; }

TEST(StateFiles, NewGameSetupWritesTheKnownLines) {
    TempFolder folder;
    saveState(folder.path(), setupState());
    EXPECT_EQ(folder.read("Data.txt"), "15000,7,9700,9750,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0\r\n");
    const std::string data4 = "0,0,0,0," + quoted(blanks(69) + "Цены акций растут" + blanks(10)) +
                              ",0," + quoted(blanks(38)) + "," + quoted("Обанкротилась") +
                              ",,," + quoted("Нажмите любую клавишу") + "," +
                              quoted(blanks(28)) + ",,,0,0,0,0," +
                              quoted(blanks(31) + "Руссо-балт." + blanks(4)) + ",13\r\n";
    EXPECT_EQ(folder.read("Data4.txt"), data4);
    EXPECT_EQ(folder.read("Data8.txt"),
              ",,,,,,,,,,,,,,,15000," + quoted("") + ",,0," + quoted("") + ",1\r\n");
}

TEST(StateFiles, LoadSaveCycleKeepsEveryValue) {
    TempFolder folder;
    GameState s = setupState();
    s.cash = -0.25;
    s.bankMoney = 0.5;
    s.totalAssets = 12.75;
    s.stockIndex = 1.0 / 3.0;
    saveState(folder.path(), s);
    const std::string before = folder.read("Data.txt") + folder.read("Data1.txt") +
                               folder.read("Data3.txt") + folder.read("Data6.txt");
    GameState loaded;
    loadState(folder.path(), loaded);
    EXPECT_EQ(loaded.firm(4).name, firmName("Газовая к.,СПб."));
    EXPECT_EQ(loaded.firm(1).name, s.firm(1).name);
    EXPECT_EQ(loaded.pricesSteadyText, s.pricesSteadyText);
    EXPECT_EQ(double(loaded.cash), -0.25);
    EXPECT_EQ(double(loaded.stockIndex), 0.333333333333333);
    EXPECT_TRUE(loaded.firmOnOffer.empty());
    EXPECT_TRUE(loaded.indexHistory[15].empty());
    saveState(folder.path(), loaded);
    EXPECT_EQ(before, folder.read("Data.txt") + folder.read("Data1.txt") +
                          folder.read("Data3.txt") + folder.read("Data6.txt"));
    EXPECT_NE(folder.read("Data1.txt").find(",-.25,"), std::string::npos);
    EXPECT_NE(folder.read("Data3.txt").find(".5,"), std::string::npos);
}

TEST(StateFiles, FixedTextsAreCutOrPaddedToNinetySix) {
    TempFolder folder;
    GameState s = setupState();
    s.pricesRiseText = "коротко";
    s.pricesFallText = std::string(120, 'x');
    saveState(folder.path(), s);
    GameState loaded;
    loadState(folder.path(), loaded);
    EXPECT_EQ(loaded.pricesRiseText, fitToLength("коротко", 96));
    EXPECT_EQ(loaded.pricesFallText, std::string(96, 'x'));
}

TEST(StateFiles, LaterPositionOfADuplicatedValueDecides) {
    TempFolder folder;
    saveState(folder.path(), setupState());
    std::string data1 = folder.read("Data1.txt");
    data1.replace(data1.find("15000"), 5, "123");
    folder.write("Data1.txt", data1);
    GameState loaded;
    loadState(folder.path(), loaded);
    EXPECT_EQ(double(loaded.cash), 15000);
    saveState(folder.path(), loaded);
    EXPECT_NE(folder.read("Data1.txt").find("15000"), std::string::npos);
}

TEST(StateFiles, ResultsTotalsMakeData8HoldTwentyThreeValues) {
    TempFolder folder;
    GameState s = setupState();
    s.errorCount = 3;
    s.rightDecisionCount = 7;
    saveState(folder.path(), s);
    EXPECT_TRUE(folder.read("Data8.txt").ends_with(",1,3,7\r\n"));
    GameState trading;
    loadState(folder.path(), trading);
    EXPECT_FALSE(trading.errorCount.has_value());
    GameState analysis;
    loadState(folder.path(), analysis, Data8Values::totalsIfPresent);
    EXPECT_EQ(double(*analysis.errorCount), 3);
    saveState(folder.path(), trading);
    EXPECT_TRUE(folder.read("Data8.txt").ends_with(",1\r\n"));
    loadState(folder.path(), analysis, Data8Values::totalsIfPresent);
    EXPECT_FALSE(analysis.rightDecisionCount.has_value());
}

TEST(StateFiles, ValuesSplitOverLinesAreReadOn) {
    TempFolder folder;
    saveState(folder.path(), setupState());
    folder.write("Data.txt", "15000,7,9700,9750,0,0,0,0,0,0\r\n0,0,1,0,0,0,0,0,0,0\r\n");
    GameState loaded;
    EXPECT_NO_THROW(loadState(folder.path(), loaded));
}

struct DamagedFile {
    const char* file;
    std::string bytes;
    const char* expectedWords;
};

class DamagedStateTest : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedStateTest, IsReportedWithTheFileAndWritesNothing) {
    TempFolder folder;
    saveState(folder.path(), setupState());
    const auto& c = GetParam();
    folder.write(c.file, c.bytes);
    GameState loaded;
    try {
        loadState(folder.path(), loaded);
        FAIL() << "loaded a damaged state";
    } catch (const StateFileError& error) {
        EXPECT_EQ(error.file(), folder.path() / c.file);
        EXPECT_NE(std::string(error.what()).find(c.expectedWords), std::string::npos)
            << error.what();
    }
    EXPECT_EQ(folder.read(c.file), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedStateTest,
    testing::Values(
        DamagedFile{"Data.txt", "15000,7,9700\r\n", "3 значений вместо 20"},
        DamagedFile{"Data.txt", "", "0 значений вместо 20"},
        DamagedFile{"Data1.txt", "0,0,0,0,0,0,0,0,0,0,0,1,1,\"много\",0,1,0,175,0,11\r\n",
                    "значение 14 должно быть числом"},
        DamagedFile{"Data.txt", "15000,8,9700,9750,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0\r\n",
                    "значение 2 должно быть числом 7"},
        DamagedFile{"Data.txt", "15000,,9700,9750,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0\r\n",
                    "значение 2 должно быть числом 7"},
        DamagedFile{"Data.txt", "15000,7,9700,9750,0,0,2,0,0,0,0,0,1,0,0,0,0,0,0,0\r\n",
                    "значение 7 должно быть флагом"},
        DamagedFile{"Data1.txt", "0,0,0,0,0,0,0,0,0,0,0,1,1,15000,0,4,0,175,0,11\r\n",
                    "значение 16 должно быть уровнем"},
        DamagedFile{"Data4.txt", "0,0,0,0,7,0,,,,,,,,,0,0,0,0,,13\r\n",
                    "значение 5 должно быть текстом"}));

TEST(StateFiles, MissingFileIsReportedAndNothingIsCreated) {
    TempFolder folder;
    GameState loaded;
    try {
        loadState(folder.path(), loaded);
        FAIL();
    } catch (const StateFileError& error) {
        EXPECT_EQ(error.file(), folder.path() / "Data.txt");
        EXPECT_NE(std::string(error.what()).find("файл не найден"), std::string::npos);
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(StateFiles, FailedSaveLeavesTheOldFilesIntact) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders; the fault test covers this";
    }
    TempFolder folder;
    saveState(folder.path(), setupState());
    const std::string before = folder.read("Data.txt") + folder.read("Data8.txt");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    GameState changed = setupState();
    changed.cash = 1;
    EXPECT_THROW(saveState(folder.path(), changed), StateFileError);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(before, folder.read("Data.txt") + folder.read("Data8.txt"));
}

TEST(StateFiles, SaveBlockedByOneTargetLeavesTheOldSet) {
    TempFolder folder;
    saveState(folder.path(), setupState());
    const std::string before = folder.read("Data.txt");
    // A folder where Data5.txt's new file should go: that file cannot be written.
    std::filesystem::create_directory(folder.path() / "Data5.txt.new");
    GameState changed = setupState();
    changed.spare3 = 1;
    EXPECT_THROW(saveState(folder.path(), changed), StateFileError);
    EXPECT_EQ(before, folder.read("Data.txt"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data.txt.new"));
}

TEST(StateFiles, InterruptedSaveIsFinishedOrDroppedAtTheNextLoad) {
    TempFolder folder;
    saveState(folder.path(), setupState());
    GameState changed = setupState();
    changed.spare3 = 1;
    TempFolder other;
    saveState(other.path(), changed);
    // New files beside the targets without a commit record: never committed, dropped.
    folder.write("Data.txt.new", other.read("Data.txt"));
    GameState loaded;
    loadState(folder.path(), loaded);
    EXPECT_EQ(double(loaded.spare3), 9700);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data.txt.new"));
    // With the commit record: the replacement is finished.
    folder.write("Data.txt.new", other.read("Data.txt"));
    folder.write("Data.commit", "");
    loadState(folder.path(), loaded);
    EXPECT_EQ(double(loaded.spare3), 1);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data.commit"));
}

}  // namespace
}  // namespace vekselgrad
