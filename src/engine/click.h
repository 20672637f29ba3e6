#pragma once

#include <filesystem>
#include <optional>

#include "engine/draw_lists.h"
#include "state/game_state.h"
#include "ui/ports.h"

namespace vekselgrad {

// One click of the player: the state it loaded (or a new game built), the ports it talks
// through, and the work lists of the random draw, which live for this click only.
struct Click {
    std::filesystem::path folder;
    GameState state;
    Ports& ports;
    DrawLists draws;
    // The firm whose values the offer record holds: the firm last loaded into it in this click,
    // or before any load the firm on offer. The offer record is stored back into this firm.
    std::optional<int> offerHolder;

    Click(std::filesystem::path stateFolder, Ports& clickPorts)
        : folder(std::move(stateFolder)), ports(clickPorts) {}

    double random() { return ports.random.next(); }
    Window& window() { return ports.window; }
};

}  // namespace vekselgrad
