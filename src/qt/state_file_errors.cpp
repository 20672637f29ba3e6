#include "qt/state_file_errors.h"

#include "state/state_files.h"

namespace vekselgrad::desktop {

void reportStateFileErrors(Window& window, const std::function<void()>& gesture) {
    try {
        gesture();
    } catch (const StateFileError& error) {
        window.messageBox(error.what(), applicationTitle, MessageIcon::none);
    }
}

}  // namespace vekselgrad::desktop
