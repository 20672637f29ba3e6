#include "actions/sell.h"

#include <cmath>

#include "actions/answer_rules.h"
#include "actions/trading_buttons.h"
#include "engine/price_step.h"
#include "engine/turn_driver.h"
#include "ui/number_text.h"
#include "ui/trading_screen.h"

namespace vekselgrad {
namespace {

void countSellDecision(GameState& s) {
    const FirmRecord& offer = s.offer;
    if (offer.marketState == 2 && offer.sharesHeld < 60 && offer.price < 10) {
        s.smallCheapSales += 1;
    }
    if (s.day == 5 && offer.sharesHeld > 250 / s.level && offer.marketState > 4) {
        s.fridaySales += 1;
    }
    if (s.day == 5 && s.part > 1 && offer.sharesHeld > 150 / s.level && offer.marketState > 4) {
        s.fridaySales += 1;
    }
    if (offer.sharesHeld < 10 && s.cash > -15000 / s.level && offer.marketState > 4) {
        s.missedBuyChances += 1;
    }
}

// Asks until the answer is a whole-number-led amount the buyers take and the player holds.
double askSale(Click& click, double buyers) {
    const FirmRecord& offer = click.state.offer;
    const std::string body = "Есть покупатели на " + signedText(buyers) + " акций по цене " +
                             signedText(offer.price) + " руб./шт.";
    for (;;) {
        const std::string answer = click.window().inputBox(body, "Сколько будем продавать?");
        const double amount = readNumber(answer);
        if (amount > buyers) {
            click.window().messageBox("Вам сколько повторять, есть только покупатели на " +
                                          signedText(buyers) + ", а не на " + answer,
                                      applicationTitle, MessageIcon::none);
        } else if (amount < 0) {
            continue;
        } else if (amount > offer.sharesHeld) {
            click.window().messageBox("Единственная просьба, хватит мухлевать.", applicationTitle,
                                      MessageIcon::none);
        } else if (startsWithDigit(answer)) {
            return amount;
        }
    }
}

void bookSale(GameState& s, double sold) {
    FirmRecord& offer = s.offer;
    s.sharesTraded += sold;
    if (s.level == 3) {
        s.sharesTraded += sold;
    }
    s.cash += sold * offer.price;
    offer.sharesHeld -= sold;
    offer.proceeds += sold * offer.price;
    s.soldSinceLastBuy += sold;
    if (offer.sharesHeld == 0) {
        s.soldSinceLastBuy = 0;
        offer.sharesBought = 0;
        offer.purchaseCost = 0;
    }
}

}  // namespace

void sellStep(Click& click) {
    GameState& s = click.state;
    countSellDecision(s);
    const double buyers = std::floor((200 / s.level) * click.random() + 50 / s.level);
    priceStep(click);
    if (s.offer.price <= 0) {
        s.offer.price = 1;
    }
    bookSale(s, std::floor(askSale(click, buyers)));
    storeOffer(click);
    blankPurchasePrice(s, click.ports);
}

void sellClick(const std::filesystem::path& folder, Ports& ports) {
    tradingClick(folder, ports, TradeAction{TradeKind::sell, sellStep, nullptr});
}

}  // namespace vekselgrad
