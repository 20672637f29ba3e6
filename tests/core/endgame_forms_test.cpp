#include "endgame/results_form.h"

#include <gtest/gtest.h>

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

enum class Gesture { achievements, continueOn, click, doubleClick };

// Plays the player's gestures on the end-of-game forms, each on the form it belongs to, the
// way the window layer delivers them (a double click comes after its click).
class EndgameFormsTest : public testing::Test {
  protected:
    TempFolder folder;
    FakeWindow window;
    FakeRandom random;
    Ports ports{window, random, ','};

    void play(std::vector<Gesture> onResults, std::vector<Gesture> onAnalysis) {
        window.onShowModal = [=](Form form, EndgameEvents& events) {
            for (Gesture g : form == Form::Form5 ? onResults : onAnalysis) {
                deliver(g, events);
            }
        };
        showResultsForm(folder.path(), ports);
    }

    static void deliver(Gesture gesture, EndgameEvents& events) {
        switch (gesture) {
            case Gesture::achievements:
                events.achievementsClicked();
                break;
            case Gesture::continueOn:
                events.continueClicked();
                break;
            case Gesture::click:
                events.analysisClicked();
                break;
            case Gesture::doubleClick:
                events.analysisClicked();
                events.analysisDoubleClicked();
                break;
        }
    }

    std::vector<std::string> eventsWithout(const std::string& prefix) const {
        std::vector<std::string> kept;
        for (const auto& e : window.events) {
            if (!e.starts_with(prefix)) {
                kept.push_back(e);
            }
        }
        return kept;
    }
};

TEST_F(EndgameFormsTest, AchievementsThenAnalysisThenBothFormsClose) {
    saveState(folder.path(), finishedGame());
    play({Gesture::achievements, Gesture::continueOn}, {Gesture::click, Gesture::doubleClick});
    EXPECT_EQ(eventsWithout("print "),
              (std::vector<std::string>{
                  "show Form5", "box Form5 Text2=0", "box Form5 Text4=0", "box Form5 Text6=0",
                  "box Form5 Text8=0", "box Form5 Text10=0", "box Form5 Text12=15000",
                  "box Form5 Text14=25", "box Form5 Text16=25", "show Form6", "clear Form6",
                  "clear Form6", "unload Form6", "unload Form5"}));
    EXPECT_TRUE(folder.read("Data8.txt").ends_with(",0,0\r\n"));
}

TEST_F(EndgameFormsTest, ContinueWithoutAchievementsLeavesTheStateFilesAsTheyWere) {
    saveState(folder.path(), finishedGame());
    const std::string data8 = folder.read("Data8.txt");
    play({Gesture::continueOn}, {Gesture::doubleClick});
    EXPECT_EQ(eventsWithout("print "),
              (std::vector<std::string>{"show Form5", "show Form6", "clear Form6", "unload Form6",
                                        "unload Form5"}));
    EXPECT_EQ(folder.read("Data8.txt"), data8);
    EXPECT_EQ(window.printed.back(),
              "Кликни мышкой два раза, чтобы сыграть заново. Успехов вам в извлечении "
              "нетрудовых  доходов!      ");
}

TEST_F(EndgameFormsTest, StateFileErrorOfAnActionReachesTheFrontEnd) {
    EXPECT_THROW(play({Gesture::achievements}, {}), StateFileError);
}

}  // namespace
}  // namespace vekselgrad
