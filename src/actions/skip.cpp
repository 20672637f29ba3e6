#include "actions/skip.h"

#include "actions/trading_buttons.h"
#include "engine/turn_driver.h"

namespace vekselgrad {

void bankOffer(Click& click) {
    const GameState& s = click.state;
    if (s.day == 5 && s.part < 3) {
        return;
    }
    const bool open = s.day == 5 && s.part == 3 && s.cash > s.startCapital / s.level;
    for (;;) {
        if (click.random() > 0.5 && open) {
            click.window().print(Form::Form4,
                                 "Банк открыт. Желаете ли вложить некоторую сумму денег? (1/0)");
        }
        if (click.random() <= 0.5 && open) {
            click.window().print(Form::Form4, "Просим извенить, госбанк закрыт.");
            return;
        }
        if (!open) {
            return;
        }
    }
}

void skipClick(const std::filesystem::path& folder, Ports& ports) {
    tradingClick(folder, ports, TradeAction{TradeKind::skip, nullptr, bankOffer});
}

}  // namespace vekselgrad
