#pragma once

#include <filesystem>

#include "ui/ports.h"

namespace vekselgrad {

// Command4 "Вложить в банк": loads the state, puts cash above the starting capital into
// government savings bonds, and saves. It runs no turn and refreshes no box.
void bankDeposit(const std::filesystem::path& folder, Ports& ports);

}  // namespace vekselgrad
