#pragma once

#include <filesystem>

#include "ui/ports.h"

namespace vekselgrad {

// Command5 "Нажми, чтобы начать снова": builds a fresh state, asks the level, saves, presents the
// first offer and saves again. Whatever game the state files held is lost.
void startNewGame(const std::filesystem::path& folder, Ports& ports);

}  // namespace vekselgrad
