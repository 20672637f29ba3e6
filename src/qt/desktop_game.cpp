#include "qt/desktop_game.h"

#include <QLocale>
#include <array>
#include <utility>

#include "actions/bank_deposit.h"
#include "actions/trading_buttons.h"
#include "newgame/new_game.h"
#include "qt/state_file_errors.h"

namespace vekselgrad::desktop {
namespace {

using Action = void (*)(const std::filesystem::path&, Ports&);

struct TradingButton {
    const char* name;
    Action action;
};

constexpr std::array tradingButtons{
    TradingButton{"Command1", sellClick},    TradingButton{"Command2", buyClick},
    TradingButton{"Command3", skipClick},    TradingButton{"Command4", bankDeposit},
    TradingButton{"Command5", startNewGame},
};

}  // namespace

DesktopGame::DesktopGame(std::filesystem::path stateFolder, RandomSource& random,
                         char decimalSeparator)
    : stateFolder_(std::move(stateFolder)), ports_{window_, random, decimalSeparator} {
    connect(&window_.tradingForm(), &FormWidget::buttonClicked, this, &DesktopGame::play);
}

void DesktopGame::show() {
    FormWidget& form = window_.tradingForm();
    form.centreOnScreen();
    form.show();
    form.centreOnScreen();
}

void DesktopGame::play(const QString& button) {
    for (const TradingButton& trading : tradingButtons) {
        if (button == QLatin1String(trading.name)) {
            reportStateFileErrors(window_, [&] { trading.action(stateFolder_, ports_); });
        }
    }
}

char userDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == QLatin1String(",") ? ',' : '.';
}

}  // namespace vekselgrad::desktop
