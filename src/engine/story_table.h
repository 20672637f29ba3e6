#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "state/game_state.h"

// The stories of the world news, positions 1..23 in list order.
namespace vekselgrad {

enum class PriceEffect { rise, fall, steady };

struct StoryCondition {
    Num GameState::*notYetShown = nullptr;  // must be 0; set to 1 when the story is shown
    Num GameState::*requiredShown = nullptr;  // must be 1
    int calmFirm = 0;      // this firm's status counter must be below 3
    int bankruptFirm = 0;  // this firm's status counter must be 5
    bool coinToss = false;  // a fresh random number must exceed one half
    bool never = false;     // the story can never be shown
};

struct StoryChange {
    int firm = 0;  // the firm the story moves, 0 for none
    std::optional<double> status;  // the firm's status counter becomes this
    std::optional<double> marketState;  // the firm's market state becomes this
    double marketStateStep = 0;  // added to the firm's market state
    double priceStep = 0;        // added to the firm's price
    int allPrices = 0;           // +1 or -1 to every price and the offer price
    Num GameState::*reopens = nullptr;  // a flag set back to 0 (allows a follow-up story)
};

struct Story {
    int headlineBlanks;
    std::string_view headline;
    int firmLineBlanks;
    std::string_view firmLine;  // empty for general stories
    PriceEffect effect;
    StoryCondition condition;
    StoryChange change;
};

inline constexpr int storyCount = 23;

// Position p (1..23) is element p - 1.
std::span<const Story> storyTable();

}  // namespace vekselgrad
