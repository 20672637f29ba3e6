#include "ui/trading_screen.h"

#include <cmath>
#include <string>

#include "ui/number_text.h"

namespace vekselgrad {
namespace {

void show(Ports& ports, std::string_view box, std::string_view text) {
    ports.window.setBox(Form::Form4, box, text);
}

std::string plain(const Ports& ports, double value) {
    return plainText(value, ports.decimalSeparator);
}

double firmResult(const FirmRecord& f) { return f.proceeds + f.sharesHeld * f.price - f.spent; }

}  // namespace

void showDayAndPart(const GameState& s, Ports& ports) {
    show(ports, "Б(0)", plain(ports, s.day));
    show(ports, "Б(1)", plain(ports, s.part));
}

void blankPurchasePrice(const GameState& s, Ports& ports) {
    for (int k = 1; k <= firmCount; ++k) {
        if (s.firm(k).sharesHeld == 0) {
            show(ports, "Text25", std::string(10, ' '));
        }
    }
}

void showOffer(const GameState& s, Ports& ports) {
    const FirmRecord& offer = s.offer;
    show(ports, "saf(1)", offer.name);
    show(ports, "saf(0)", plain(ports, offer.sharesHeld));
    show(ports, "saf(2)", plain(ports, offer.sharesHeld * offer.price));
    show(ports, "saf(3)", s.offerMarketWord);
    show(ports, "baf(0)", plain(ports, s.cash));
    if (s.cash >= 0) {
        show(ports, "baf(1)", "Ваша наличность:");
    }
    if (s.cash < 0) {
        show(ports, "baf(1)", "Ваша задолженность:");
    }
    show(ports, "baf(7)", plain(ports, offer.price));
    show(ports, "Text5", plain(ports, s.bankMoney));
}

void showProfit(const GameState& s, Ports& ports) {
    const auto k = firmNumber(s.firmOnOffer);
    const double firm = k ? firmResult(s.firm(*k)) : 0.0;
    double total = 0.0;
    for (int j = 1; j <= firmCount; ++j) {
        total += firmResult(s.firm(j));
    }
    show(ports, "Text9", firm >= 0 ? "Прибыли" : "Убытки");
    show(ports, "Text11", plain(ports, firm));
    show(ports, "Text10", total >= 0 ? "прибыли" : "убытки");
    show(ports, "Text12", plain(ports, total));
}

void showPurchasePrice(const GameState& s, Ports& ports) {
    const auto k = firmNumber(s.firmOnOffer);
    if (!k || s.firm(*k).sharesHeld == 0) {
        return;
    }
    const FirmRecord& f = s.firm(*k);
    show(ports, "Text25", plain(ports, std::floor(10 * f.purchaseCost / f.sharesBought) / 10));
}

void showIndexChange(const GameState& s, Ports& ports) {
    const double change = s.stockIndex - 175;
    show(ports, "Text21", change >= 0 ? "+" + signedText(change) : plain(ports, change));
}

void showIndexAndTrend(const GameState& s, Ports& ports) {
    show(ports, "Text18", plain(ports, s.stockIndex));
    if (const auto k = firmNumber(s.firmOnOffer)) {
        show(ports, "Text17", plain(ports, s.firm(*k).marketState));
    }
}

}  // namespace vekselgrad
