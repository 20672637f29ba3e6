#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>

#include "engine/game_random.h"
#include "fake_ports.h"
#include "newgame/new_game.h"
#include "state/state_files.h"
#include "temp_folder.h"

// What the robustness tests look at in a state folder, and a real game state to start from.
namespace vekselgrad::robustness {

inline const std::array<std::string, 9> stateFileNames{"Data.txt",  "Data1.txt", "Data2.txt",
                                                       "Data3.txt", "Data4.txt", "Data5.txt",
                                                       "Data6.txt", "Data7.txt", "Data8.txt"};

using NineFiles = std::array<std::string, 9>;

inline NineFiles nineFiles(const TempFolder& folder) {
    NineFiles files;
    for (std::size_t i = 0; i < files.size(); ++i) {
        files[i] = folder.read(stateFileNames[i]);
    }
    return files;
}

// Every name in the folder: after a finished load or save, exactly the nine state files.
inline std::set<std::string> entriesOf(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

inline std::set<std::string> justTheNine() {
    return {stateFileNames.begin(), stateFileNames.end()};
}

// The files that saving `state` writes.
inline NineFiles savedFiles(const GameState& state) {
    TempFolder folder;
    saveState(folder.path(), state);
    return nineFiles(folder);
}

// The state a new game at `level` leaves, with the game's generator seeded with `seed`.
inline GameState newGameState(int level, std::int64_t seed) {
    TempFolder folder;
    testing_ports::FakeWindow window;
    window.answers.push_back(std::to_string(level));
    GameRandom random(seed);
    Ports ports{window, random, ','};
    startNewGame(folder.path(), ports);
    GameState state;
    loadState(folder.path(), state);
    return state;
}

}  // namespace vekselgrad::robustness
