#pragma once

#include <filesystem>

#include "ui/ports.h"

namespace vekselgrad {

// Shows the results form Form5 modally, with empty value boxes; returns when it is unloaded.
// Its buttons and the analysis form it opens read and write the state files in `folder`.
void showResultsForm(const std::filesystem::path& folder, Ports& ports);

}  // namespace vekselgrad
