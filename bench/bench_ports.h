#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/ports.h"

// What the benchmarks play with: a window layer that shows nothing and answers every input box
// at once, a random source that replays one fixed sequence, a state folder of their own, and
// the plan of clicks of a whole game.
namespace vekselgrad::bench {

class SilentWindow : public Window {
  public:
    // The answer typed into every input box from now on.
    void answerWith(std::string answer) { answer_ = std::move(answer); }
    bool resultsShown() const { return resultsShown_; }

    void setBox(Form, std::string_view, std::string_view) override {}
    void print(Form, std::string_view) override {}
    void clearPrinted(Form) override {}
    // A refusal after an answer would ask again forever; the next answer is then 0, which the
    // sell and buy questions always take.
    void messageBox(std::string_view, std::string_view, MessageIcon) override { refused_ = true; }
    std::string inputBox(std::string_view body, std::string_view caption) override;
    // The results form: achievements, then continue; the analysis form: two clicks, then a
    // double click.
    void showModal(Form form, EndgameEvents& events) override;
    void unload(Form) override {}

  private:
    std::string answer_;
    bool refused_ = false;
    bool resultsShown_ = false;
};

// The numbers of the game's own generator from one seed, handed out from the start again after
// each rewind, so that every repetition of a click draws the same numbers.
class FixedRandom : public RandomSource {
  public:
    FixedRandom();
    float next() override;
    void seedFromClock() override {}
    void rewind() { position_ = 0; }

  private:
    std::vector<float> numbers_;
    std::size_t position_ = 0;
};

using StateFileBytes = std::array<std::string, 9>;

// A temporary state folder, removed at the end.
class BenchFolder {
  public:
    BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    ~BenchFolder();

    const std::filesystem::path& path() const { return path_; }
    StateFileBytes snapshot() const;
    void restore(const StateFileBytes& files) const;

  private:
    std::filesystem::path path_;
};

// The nine state file names in the order every action reads and writes them.
const std::array<std::string, 9>& stateFileNames();

// Everything a click needs from outside the core.
struct BenchPorts {
    SilentWindow window;
    FixedRandom random;
    Ports ports{window, random, ','};
};

// Click number `click` (0 for the first after the new game) of the whole-game plan: in the first
// part of every day buy 10 shares of each firm, skip the second part, sell the 10 in the third.
void playPlannedClick(const std::filesystem::path& folder, BenchPorts& bench, int click);

inline constexpr int clicksInAGame = 90;

// A new game at level 1 and the 90 planned clicks, the results form and the analysis.
void playWholeGame(const std::filesystem::path& folder, BenchPorts& bench);

// The state files after a new game at level 1 and the first 12 planned clicks: the third part of
// the first day, firm 1 on offer, 10 shares of every firm held.
StateFileBytes midGameFiles();

}  // namespace vekselgrad::bench
