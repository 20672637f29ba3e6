#pragma once

#include "qt/form_widget.h"

namespace vekselgrad::desktop {

// Alt+letter presses the buttons of the form. The letters are not marked in the captions, which
// keep their texts; a button's tooltip names its keys. Each letter works with the Russian and
// with the Latin keyboard layout (the key in the same place).
void addMnemonics(FormWidget& form);

}  // namespace vekselgrad::desktop
