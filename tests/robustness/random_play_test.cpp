#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <chrono>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>

#include "actions/bank_deposit.h"
#include "actions/trading_buttons.h"
#include "script/gesture_script.h"
#include "script/script_player.h"
#include "script/transcript.h"
#include "state_folder.h"

// Random games: random valid states at every level (bankrupt firms, warnings, bonus shares, odd
// firm-on-offer values), random gestures with valid and invalid answers. Every click must end,
// save, and leave the nine files and nothing else, in a state that loads; and the scripted
// driver, given the same gestures and random numbers, must leave the same files.
namespace vekselgrad::robustness {
namespace {

using Rng = std::mt19937;

int uniform(Rng& rng, int low, int high) {
    return std::uniform_int_distribution(low, high)(rng);
}

bool chance(Rng& rng, double p) {
    return std::bernoulli_distribution(p)(rng);
}

template <typename T, std::size_t N>
const T& pick(Rng& rng, const std::array<T, N>& values) {
    return values[static_cast<std::size_t>(uniform(rng, 0, static_cast<int>(N) - 1))];
}

Num emptyOr(Rng& rng, double value) {
    return chance(rng, 0.1) ? Num::emptyValue() : Num(value);
}

// A firm as a game in progress may hold it, now and then at the edges of what play reaches.
void randomiseFirm(Rng& rng, FirmRecord& firm) {
    firm.price = chance(rng, 0.1) ? 0 : uniform(rng, 1, 60);
    firm.marketState = chance(rng, 0.05) ? pick(rng, std::array{-1, 7}) : uniform(rng, 0, 6);
    firm.status = pick(rng, std::array{0, 0, 0, 0, 1, 2, 3, 4, 5, -5});
    firm.sharesHeld = chance(rng, 0.4) ? 0 : uniform(rng, 1, 400);
    firm.sharesBought = firm.sharesHeld == 0 ? 0 : uniform(rng, 1, int(firm.sharesHeld));
    firm.purchaseCost = firm.sharesBought * uniform(rng, 1, 50);
    firm.spent = firm.purchaseCost + uniform(rng, 0, 5000);
    firm.proceeds = uniform(rng, 0, 8000);
}

GameState randomValidState(Rng& rng, const GameState& newGame) {
    GameState s = newGame;
    s.day = chance(rng, 0.4) ? 5 : uniform(rng, 1, 5);
    s.part = chance(rng, 0.5) ? 3 : uniform(rng, 1, 3);
    s.firmOnOffer =
        chance(rng, 0.8)
            ? Num(uniform(rng, 1, 6))
            : pick(rng, std::array{Num(0), Num(7), Num(-1), Num(2.5), Num::emptyValue(), Num(100)});
    s.historyIndex = chance(rng, 0.9) ? uniform(rng, 1, 16) : pick(rng, std::array{0.0, 3.5, 40.0});
    s.cash = uniform(rng, -6000, 30000);
    s.bankMoney = chance(rng, 0.5) ? 0 : uniform(rng, 1, 10000);
    s.stockIndex = uniform(rng, 50, 400);
    s.soldSinceLastBuy = uniform(rng, 0, 300);
    s.debtLimitFlag = emptyOr(rng, pick(rng, std::array{0.0, 2.0}));
    for (int k = 1; k <= firmCount; ++k) {
        randomiseFirm(rng, s.firm(k));
    }
    for (std::size_t e = 1; e <= historyLength; ++e) {
        s.indexHistory[e] = emptyOr(rng, uniform(rng, 100, 300));
        s.assetHistory[e] = emptyOr(rng, uniform(rng, 0, 40000));
    }
    for (Num* flag : {&s.newsSobrietyShown, &s.newsOpecShown, &s.newsDowRisesShown,
                      &s.newsDowFallsShown, &s.newsElectionsShown, &s.newsBlockadeShown}) {
        *flag = chance(rng, 0.2) ? Num::emptyValue() : Num(uniform(rng, 0, 1));
    }
    const auto holder = firmNumber(s.firmOnOffer);
    s.offer = s.firm(holder.value_or(uniform(rng, 1, firmCount)));
    return s;
}

constexpr std::array<const char*, 18> oddAnswers{"",    "abc", "-5", "1e400", "12,5", "&H10",
                                                 "&O7", " 7",  "3",  "0",     "10",   "1 0",
                                                 "5.5", "1D2", "+4", "99999", "Ж",    "\t2"};

// The player: answers each question with valid or invalid text, or cancels, and after a few
// tries with an answer the question always takes; on the end-of-game forms it clicks about
// before it moves on. Every gesture is written down as a script line for the driver.
class RandomPlayer : public Window {
  public:
    RandomPlayer(Rng& rng, std::vector<std::string>& script) : rng_(rng), script_(script) {}

    void newClick() { questions_ = 0; }

    void setBox(Form, std::string_view, std::string_view) override {}
    void print(Form, std::string_view) override {}
    void clearPrinted(Form) override {}
    void messageBox(std::string_view, std::string_view, MessageIcon) override {}

    std::string inputBox(std::string_view, std::string_view caption) override {
        if (++questions_ > 100) {
            throw std::runtime_error("a click keeps asking");
        }
        std::string answer;
        if (questions_ > 5 || chance(rng_, 0.4)) {
            const bool level = caption.find("уровень") != std::string_view::npos;
            answer = level ? std::to_string(uniform(rng_, 1, 3)) : "0";
        } else if (chance(rng_, 0.15)) {
            script_.emplace_back("cancel");
            return "";
        } else {
            answer = pick(rng_, oddAnswers);
        }
        script_.push_back(answer.empty() ? "type" : "type " + answer);
        return answer;
    }

    void showModal(Form form, EndgameEvents& events) override {
        ++endgameForms_[form];
        if (form == Form::Form5) {
            for (int i = uniform(rng_, 0, 2); i > 0; --i) {
                script_.emplace_back("achievements");
                events.achievementsClicked();
            }
            script_.emplace_back("continue");
            events.continueClicked();
            return;
        }
        for (int i = uniform(rng_, 0, 2); i > 0; --i) {
            script_.emplace_back("click");
            events.analysisClicked();
        }
        script_.emplace_back("dblclick");
        events.analysisClicked();
        events.analysisDoubleClicked();
    }
    void unload(Form) override {}

    int timesShown(Form form) const {
        const auto it = endgameForms_.find(form);
        return it == endgameForms_.end() ? 0 : it->second;
    }

  private:
    Rng& rng_;
    std::vector<std::string>& script_;
    int questions_ = 0;
    std::map<Form, int> endgameForms_;
};

using Button = void (*)(const std::filesystem::path&, Ports&);

struct Gesture {
    const char* line;
    Button button;
};

constexpr std::array<Gesture, 5> buttons{{{"sell", sellClick},
                                          {"buy", buyClick},
                                          {"skip", skipClick},
                                          {"bank", bankDeposit},
                                          {"new", startNewGame}}};

const Gesture& randomButton(Rng& rng) {
    return chance(rng, 0.04) ? buttons[4] : buttons[static_cast<std::size_t>(uniform(rng, 0, 3))];
}

// A save replaces all nine files. To see it, the files are dated to the first second of 1970
// before a click; a save leaves none of them with that date.
void dateBack(const std::filesystem::path& folder) {
    const timespec first[2] = {{1, 0}, {1, 0}};
    for (const auto& name : stateFileNames) {
        ::utimensat(AT_FDCWD, (folder / name).c_str(), first, 0);
    }
}

std::vector<std::string> notReplaced(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& name : stateFileNames) {
        struct stat info {};
        if (::stat((folder / name).c_str(), &info) != 0 || info.st_mtim.tv_sec == 1) {
            names.push_back(name);
        }
    }
    return names;
}

// Plays the recorded script through the scripted driver, from the same start and with the same
// random numbers, and returns the files it leaves.
NineFiles playedByTheDriver(const GameState& start, const std::vector<std::string>& script,
                            std::int64_t seed) {
    TempFolder folder;
    saveState(folder.path(), start);
    std::stringstream lines;
    for (const auto& line : script) {
        lines << line << '\n';
    }
    script::GestureQueue gestures(script::readScript(lines));
    std::ostringstream out;
    script::Transcript transcript(out);
    GameRandom random(seed);
    script::ScriptPlayer player(folder.path(), gestures, transcript, random, ',');
    player.playToEnd();
    return nineFiles(folder);
}

TEST(RandomPlay, EveryClickEndsSavesAndLeavesAStateThatLoads) {
    constexpr int minimumGames = 30;
    constexpr int maximumGames = 60;
    constexpr auto timeLimit = std::chrono::seconds(8);
    const std::array<GameState, 4> newGames{GameState{}, newGameState(1, 101), newGameState(2, 102),
                                            newGameState(3, 103)};
    Rng rng(2024);
    std::map<std::string, int> played;
    int clicks = 0;
    int games = 0;
    const auto end = std::chrono::steady_clock::now() + timeLimit;
    for (; games < maximumGames && (games < minimumGames || std::chrono::steady_clock::now() < end);
         ++games) {
        const int level = games % 3 + 1;
        const GameState start = randomValidState(rng, newGames[static_cast<std::size_t>(level)]);
        const std::int64_t seed = uniform(rng, 1, 1 << 30);
        TempFolder folder;
        saveState(folder.path(), start);
        std::vector<std::string> script;
        RandomPlayer player(rng, script);
        GameRandom random(seed);
        Ports ports{player, random, ','};
        for (int click = uniform(rng, 3, 10); click > 0; --click, ++clicks) {
            const Gesture& gesture = randomButton(rng);
            script.emplace_back(gesture.line);
            dateBack(folder.path());
            player.newClick();
            ASSERT_NO_THROW(gesture.button(folder.path(), ports))
                << "game " << games << ", level " << level << ", gesture " << script.size();
            EXPECT_EQ(notReplaced(folder.path()), std::vector<std::string>{})
                << gesture.line << " did not save";
            ASSERT_EQ(entriesOf(folder.path()), justTheNine());
            GameState loaded;
            ASSERT_NO_THROW(loadState(folder.path(), loaded)) << "game " << games;
        }
        for (const auto& line : script) {
            ++played[line.starts_with("type") ? "type" : line];
        }
        ASSERT_EQ(playedByTheDriver(start, script, seed), nineFiles(folder))
            << "the driver played game " << games << " differently";
    }
    RecordProperty("games", games);
    RecordProperty("clicks", clicks);
    for (const char* gesture : {"new", "sell", "buy", "skip", "bank", "type", "cancel",
                                "achievements", "continue", "click", "dblclick"}) {
        EXPECT_GT(played[gesture], 0) << "no " << gesture << " was played";
    }
}

}  // namespace
}  // namespace vekselgrad::robustness
