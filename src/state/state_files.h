#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "state/game_state.h"

// The nine state files Data.txt, Data1.txt .. Data8.txt in a state folder (the folder stands for
// the root of drive C:). Every action loads the whole set and saves the whole set.
namespace vekselgrad {

// A failing file operation or a damaged state: the message names the file and the failure. The
// action that meets it is abandoned and writes nothing more.
class StateFileError : public std::runtime_error {
public:
    StateFileError(std::filesystem::path file, const std::string& message)
        : std::runtime_error(message), file_(std::move(file)) {}
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

enum class Data8Values {
    play,             // 21 values: every trading action and the results action
    totalsIfPresent,  // 23 values when the results action wrote them, else 21 (the analysis)
};

// Loads and saves hold the folder's lock (state/state_folder_lock.h): when another program keeps
// it past a short wait, they report the folder as busy and touch nothing.

// Reads the nine files into `state`. A value of the wrong kind, a damaged fixed number, level or
// news flag is reported as a StateFileError naming the file and the value's position.
void loadState(const std::filesystem::path& folder, GameState& state,
               Data8Values data8 = Data8Values::play);

// Writes the nine files, all or nothing: a failure leaves the previous set, and a process killed
// at any moment leaves either the whole old or the whole new set for the next load. Data8.txt
// holds 23 values when `state` carries the two totals of the results form, 21 otherwise.
void saveState(const std::filesystem::path& folder, const GameState& state);

}  // namespace vekselgrad
