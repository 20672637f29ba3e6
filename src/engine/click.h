#pragma once

#include <filesystem>

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
};

}  // namespace vekselgrad
