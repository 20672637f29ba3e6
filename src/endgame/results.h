#pragma once

#include <filesystem>

#include "state/game_state.h"
#include "ui/ports.h"

// The balance sheet and rating of a finished game: the eight figures of the results form Form5.
namespace vekselgrad {

struct ResultFigures {
    double turnoverTax;
    double brokerIncome;
    double bankMoneyWithInterest;
    double interest;
    double profit;
    double totalAssets;
    double rating;
    double bestRating;
};

// Draws up the balance sheet and the rating from the state, and records in it what the results
// keep: totalAssets (the rating points before the stock index), a higher bestRating, and the
// two totals errorCount and rightDecisionCount that the tactical analysis prints.
ResultFigures computeResults(GameState& s);

// Command2 of Form5: loads the state files as the last trading save left them, shows the eight
// figures and saves the state with the two totals.
void showAchievements(const std::filesystem::path& folder, Ports& ports);

}  // namespace vekselgrad
