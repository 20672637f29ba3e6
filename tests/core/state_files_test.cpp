#include "state/state_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "state/text_encoding.h"
#include "setup_state.h"
#include "temp_folder.h"

namespace vekselgrad {
namespace {

using testing_state::blanks;
using testing_state::firmName;
using testing_state::setupState;

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
