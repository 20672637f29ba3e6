#pragma once

#include <functional>

#include "ui/ports.h"

namespace vekselgrad::desktop {

// Runs what the player's gesture starts. A state file that cannot be read or written ends it
// with a message box that names the file and the failure; the program stays open.
void reportStateFileErrors(Window& window, const std::function<void()>& gesture);

}  // namespace vekselgrad::desktop
