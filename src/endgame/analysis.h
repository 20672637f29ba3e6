#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "ui/ports.h"

// The tactical analysis of a finished game on Form6: advice on the player's decisions, a
// verdict and the score.
namespace vekselgrad {

// The lines of the analysis from the top of the form down; "" is a blank line.
std::vector<std::string> analysisLines(const GameState& s);

// A click on Form6: loads the state files, clears the form and prints the analysis. It writes
// no state file.
void printAnalysis(const std::filesystem::path& folder, Ports& ports);

}  // namespace vekselgrad
