#pragma once

#include <span>
#include <string>

#include "state/game_state.h"

// Where each game value stands in the state files: slot s (1..181) is entry s - 1 of the table.
// This table and the state-file code are the only places that know slot positions.
namespace vekselgrad {

enum class SlotKind { number, text, fixedText };

// What a loaded value must be, beyond its kind.
enum class SlotCheck {
    any,          // any number or the empty value
    fixedNumber,  // exactly its fixed value (the const slots and the starting capital)
    level,        // 1, 2 or 3
    newsFlag,     // 0, 1 or the empty value
};

struct SlotSpec {
    SlotKind kind = SlotKind::number;
    SlotCheck check = SlotCheck::any;
    double fixedValue = 0.0;
    Num& (*number)(GameState&) = nullptr;
    std::string& (*text)(GameState&) = nullptr;
};

inline constexpr int playSlotCount = 181;
inline constexpr int errorCountSlot = 182;
inline constexpr int rightDecisionCountSlot = 183;

// The 181 slots in slot order.
std::span<const SlotSpec> slotTable();

// Gives every number slot of the state the value 0 (texts are untouched).
void zeroEveryNumber(GameState& state);

}  // namespace vekselgrad
