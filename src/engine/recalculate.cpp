#include "engine/recalculate.h"

#include <cmath>

#include "ui/number_text.h"
#include "ui/trading_screen.h"

namespace vekselgrad {
namespace {

double stockIndexOf(const GameState& s) {
    double sum = 0.0;
    for (int k = 1; k <= firmCount; ++k) {
        sum += s.firm(k).price;
    }
    return std::floor(10 * sum / 6);
}

void message(Click& click, const std::string& text) {
    click.window().messageBox(text, applicationTitle, MessageIcon::none);
}

// A status of 4 warns, 5 is bankruptcy (the player's shares are lost), -5 pays bonus shares.
void statusMessages(Click& click) {
    FirmRecord& offer = click.state.offer;
    if (offer.status == 4) {
        message(click,
                "Эта компания находиться на грани банкротства. Вы рискуете потерять все ваши "
                "вклады.");
    }
    if (offer.status == 5) {
        message(click, "Эта компания обанкротилась! Все её акции у вас на руках обесценились.");
        offer.sharesHeld = 0;
        offer.price = 0;
    }
    if (offer.status == -5) {
        const double bonus = std::floor(offer.sharesHeld / 10);
        message(click,
                "Благодаря успешной деятельности нашей компании в недавних торговых операциях мы "
                "имеем удовольствие вознаградить вас " +
                    signedText(bonus) + " призовыми акциями.");
        offer.sharesHeld += std::floor(offer.sharesHeld / 10);
        offer.status = 0;
    }
}

}  // namespace

void clampPrices(GameState& s) {
    for (int k = 1; k <= firmCount; ++k) {
        if (s.firm(k).price < 0) {
            s.firm(k).price = 0;
        }
    }
}

void recalculate(Click& click, StatusMessages messages) {
    GameState& s = click.state;
    s.stockIndex = stockIndexOf(s);
    clampPrices(s);
    for (int k = 1; k <= firmCount; ++k) {
        if (s.firm(k).marketState > 6) {
            s.firm(k).marketState = 6;
        }
    }
    s.stockIndex = stockIndexOf(s);
    for (int k = 1; k <= firmCount; ++k) {
        if (s.firm(k).marketState < 0) {
            s.firm(k).marketState = 0;
        }
    }
    showIndexChange(s, click.ports);
    if (messages == StatusMessages::shown) {
        statusMessages(click);
    }
    showIndexAndTrend(s, click.ports);
}

}  // namespace vekselgrad
