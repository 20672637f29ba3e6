#pragma once

#include <QObject>
#include <filesystem>

#include "qt/qt_window.h"
#include "ui/ports.h"

namespace vekselgrad::desktop {

// The game as the desktop program plays it: the trading form whose five buttons start the
// actions on the state files of one folder, through the Qt window layer and a random source.
class DesktopGame : public QObject {
    Q_OBJECT

  public:
    DesktopGame(std::filesystem::path stateFolder, RandomSource& random, char decimalSeparator);

    QtWindow& window() { return window_; }
    // Shows Form4 in the middle of the screen. Nothing is read or written before a button is
    // pressed.
    void show();

  private:
    void play(const QString& button);

    std::filesystem::path stateFolder_;
    QtWindow window_;
    Ports ports_;
};

// The decimal separator of the user's regional settings, for the numbers in the boxes.
char userDecimalSeparator();

}  // namespace vekselgrad::desktop
