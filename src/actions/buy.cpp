#include "actions/buy.h"

#include <cmath>

#include "actions/answer_rules.h"
#include "actions/trading_buttons.h"
#include "engine/price_step.h"
#include "engine/turn_driver.h"
#include "ui/number_text.h"

namespace vekselgrad {
namespace {

void countBuyDecision(GameState& s) {
    const FirmRecord& offer = s.offer;
    if (s.cash > 15000 / s.level) {
        s.spareCashBuys += 1;
    }
    if (offer.marketState == 2 && offer.sharesHeld == 0 && offer.price < 4) {
        s.cheapVolatileBuys += 1;
    }
    if (offer.price > 5 && offer.price < 16 && offer.marketState < 2) {
        s.fallingMarketBuys += 1;
    }
    if (offer.price > 15 && offer.marketState < 2) {
        s.expensiveFallingBuys += 1;
    }
    if (offer.sharesHeld > 450 / s.level && offer.price > 15) {
        s.concentratedBuys += 1;
    }
}

double askPurchase(Click& click, double offered) {
    const std::string body = "Вам предлагается " + signedText(offered) + " акций по " +
                             signedText(click.state.offer.price) + " руб./шт.";
    for (;;) {
        const std::string answer = click.window().inputBox(body, "Сколько?");
        const double amount = readNumber(answer);
        if (amount > offered || amount < 0) {
            click.window().messageBox("Товарищ, вам русским языком сказали " +
                                          signedText(offered) + " акций, а не " + answer,
                                      applicationTitle, MessageIcon::none);
        } else if (startsWithDigit(answer)) {
            return amount;
        }
    }
}

// The debt before the purchase may reach half of the held shares' value plus the bank money,
// a quarter at level 3; the cost of the purchase itself is not part of the test.
bool debtLimitRefuses(Click& click) {
    GameState& s = click.state;
    const double cover = withHoldingsValue(s, 0.0) + s.bankMoney;
    const bool refused = s.cash < -cover / 2 || (s.level > 2 && s.cash < -cover / 4);
    if (refused) {
        s.debtLimitRefusals += 1;
        click.window().messageBox("Лимит задолженности превышен", "", MessageIcon::information);
        s.debtLimitFlag = 2;
    }
    return refused;
}

void bookPurchase(GameState& s, double bought) {
    FirmRecord& offer = s.offer;
    if (offer.price > 5 && offer.marketState < 2 && offer.sharesHeld > 10 && bought == 0) {
        s.fallingHoldNoBuy += 1;
    }
    s.soldSinceLastBuy = 0;
    offer.spent += offer.price * bought;
    offer.sharesBought += bought;
    offer.purchaseCost += offer.price * bought;
    s.cash -= bought * offer.price;
    offer.sharesHeld += bought;
}

}  // namespace

void buyStep(Click& click) {
    GameState& s = click.state;
    if (click.offerHolder) {
        s.offer.price = s.firm(*click.offerHolder).price;
    }
    countBuyDecision(s);
    const double offered = std::floor(click.random() * 100) + 25 * s.level;
    priceStep(click);
    if (s.offer.price <= 0) {
        s.offer.price = 1;
    }
    const double bought = std::floor(askPurchase(click, offered));
    s.sharesTraded += bought;
    if (s.level == 3) {
        s.sharesTraded += bought;
    }
    if (debtLimitRefuses(click)) {
        return;
    }
    bookPurchase(s, bought);
    storeOffer(click);
}

void buyClick(const std::filesystem::path& folder, Ports& ports) {
    tradingClick(folder, ports, TradeAction{TradeKind::buy, buyStep, nullptr});
}

}  // namespace vekselgrad
