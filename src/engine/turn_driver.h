#pragma once

#include <filesystem>

#include "engine/click.h"
#include "ui/ports.h"

// The trading click: load, finish the offer just answered (pass 1), the player's action, move the
// offer on, present the next offer (pass 2), save.
namespace vekselgrad {

enum class TradeKind { sell, buy, skip };

struct TradeAction {
    TradeKind kind;
    // The player's decision between the passes (sell, buy); none for skip.
    void (*step)(Click&) = nullptr;
    // Skip only: what pass 2 prints when it finds no firm to present.
    void (*bankOffer)(Click&) = nullptr;
};

void tradingClick(const std::filesystem::path& folder, Ports& ports, const TradeAction& action);

// Loads firm k into the offer record (all nine values).
void loadOffer(Click& click, int k);

// Clamps the prices, recalculates, and copies the offer record (all but the name) back into the
// firm whose values it holds.
void storeOffer(Click& click);

// The first offer of a new game: firm 1 presented with the setup prices, nothing stored.
void presentFirstOffer(Click& click);

}  // namespace vekselgrad
