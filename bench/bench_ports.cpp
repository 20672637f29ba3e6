#include "bench_ports.h"

#include <fstream>
#include <random>
#include <sstream>

#include "actions/trading_buttons.h"
#include "engine/game_random.h"
#include "newgame/new_game.h"

namespace vekselgrad::bench {
namespace {

constexpr std::size_t fixedNumbers = 1 << 17;
constexpr std::int64_t fixedSeed = 7;

}  // namespace

std::string SilentWindow::inputBox(std::string_view, std::string_view) {
    if (refused_) {
        refused_ = false;
        return "0";
    }
    return answer_;
}

void SilentWindow::showModal(Form form, EndgameEvents& events) {
    if (form == Form::Form5) {
        resultsShown_ = true;
        events.achievementsClicked();
        events.continueClicked();
        return;
    }
    events.analysisClicked();
    events.analysisClicked();
    events.analysisDoubleClicked();
}

FixedRandom::FixedRandom() {
    GameRandom generator(fixedSeed);
    numbers_.resize(fixedNumbers);
    for (float& r : numbers_) {
        r = generator.next();
    }
}

float FixedRandom::next() {
    const float r = numbers_[position_ % numbers_.size()];
    ++position_;
    return r;
}

BenchFolder::BenchFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("vekselgrad-bench-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

StateFileBytes BenchFolder::snapshot() const {
    StateFileBytes files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::ifstream in(path_ / stateFileNames()[i], std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[i] = bytes.str();
    }
    return files;
}

void BenchFolder::restore(const StateFileBytes& files) const {
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::ofstream(path_ / stateFileNames()[i], std::ios::binary) << files[i];
    }
}

const std::array<std::string, 9>& stateFileNames() {
    static const std::array<std::string, 9> names{"Data.txt",  "Data1.txt", "Data2.txt",
                                                  "Data3.txt", "Data4.txt", "Data5.txt",
                                                  "Data6.txt", "Data7.txt", "Data8.txt"};
    return names;
}

void playPlannedClick(const std::filesystem::path& folder, BenchPorts& bench, int click) {
    switch ((click / 6) % 3) {
        case 0:
            bench.window.answerWith("10");
            buyClick(folder, bench.ports);
            return;
        case 1:
            skipClick(folder, bench.ports);
            return;
        default:
            bench.window.answerWith("10");
            sellClick(folder, bench.ports);
            return;
    }
}

void playWholeGame(const std::filesystem::path& folder, BenchPorts& bench) {
    bench.window.answerWith("1");
    startNewGame(folder, bench.ports);
    for (int click = 0; click < clicksInAGame; ++click) {
        playPlannedClick(folder, bench, click);
    }
}

StateFileBytes midGameFiles() {
    BenchFolder folder;
    BenchPorts bench;
    bench.window.answerWith("1");
    startNewGame(folder.path(), bench.ports);
    for (int click = 0; click < 12; ++click) {
        playPlannedClick(folder.path(), bench, click);
    }
    return folder.snapshot();
}

}  // namespace vekselgrad::bench
