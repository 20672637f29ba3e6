#pragma once

#include <QApplication>

namespace vekselgrad::desktop {

// What the program sets up before it shows a form: a widget style that draws the buttons in
// their own colours on every desktop, and Qt's Russian translation of its standard buttons, so
// that the message and input boxes read "OK" and "Отмена" like the rest of the game.
void setUpApplication(QApplication& application);

}  // namespace vekselgrad::desktop
