#include "engine/turn_driver.h"

#include "endgame/results_form.h"
#include "engine/market_words.h"
#include "engine/price_step.h"
#include "engine/recalculate.h"
#include "engine/trend_step.h"
#include "engine/world_news.h"
#include "state/state_files.h"
#include "state/state_folder_lock.h"
#include "ui/trading_screen.h"

namespace vekselgrad {
namespace {

enum class ScanEnd { offerFound, trendPath, noFirm };

class TurnDriver {
public:
    TurnDriver(Click& click, const TradeAction& action)
        : click_(click), s_(click.state), action_(action), loadedPart_(click.state.part) {}

    void run();

private:
    void rollCounters();
    void recordPartInHistory();
    ScanEnd scanFirms();
    void presentOffer();
    void totalAssetsWithoutBank();
    void clearPrintedText() { click_.window().clearPrinted(Form::Form4); }
    bool is(TradeKind kind) const { return action_.kind == kind; }

    Click& click_;
    GameState& s_;
    const TradeAction& action_;
    const Num loadedPart_;
};

void TurnDriver::run() {
    blankPurchasePrice(s_, click_.ports);
    if (!is(TradeKind::sell)) {
        clearPrintedText();
    }
    rollCounters();
    showDayAndPart(s_, click_.ports);
    const ScanEnd firstPass = scanFirms();
    if (firstPass == ScanEnd::offerFound) {
        storeOffer(click_);
    }
    if (firstPass == ScanEnd::noFirm) {
        totalAssetsWithoutBank();
        recalculate(click_);
    } else if (action_.step) {
        action_.step(click_);
    }
    for (;;) {
        s_.firmOnOffer += 1;
        if (is(TradeKind::sell)) {
            clearPrintedText();
        } else {
            blankPurchasePrice(s_, click_.ports);
        }
        rollCounters();
        showDayAndPart(s_, click_.ports);
        const ScanEnd secondPass = scanFirms();
        if (secondPass == ScanEnd::trendPath && !is(TradeKind::skip)) {
            action_.step(click_);
            continue;
        }
        if (secondPass == ScanEnd::noFirm && is(TradeKind::skip)) {
            action_.bankOffer(click_);
            totalAssetsWithoutBank();
        }
        storeOffer(click_);
        break;
    }
    saveState(click_.folder, s_);
}

// Undoes a change of the part made earlier in this click, then ends the part after the sixth
// firm and the day after the third part. Past the fifth day the results form is shown, and the
// click goes on when it closes.
void TurnDriver::rollCounters() {
    s_.part = loadedPart_;
    if (s_.firmOnOffer > 6) {
        recordPartInHistory();
        s_.historyIndex += s_.constOne;
        s_.part += 1;
        s_.firmOnOffer = 1;
    }
    if (s_.part > 3) {
        s_.day += 1;
        s_.part = 1;
    }
    if (s_.day > 5) {
        showResultsForm(click_.folder, click_.ports);
    }
}

// The history arrays have elements 1..15; a part ended after the fifteenth records nothing.
void TurnDriver::recordPartInHistory() {
    if (const auto element = historyElement(s_.historyIndex)) {
        s_.assetHistory[*element] = withHoldingsValue(s_, s_.cash + s_.bankMoney);
        s_.indexHistory[*element] = s_.stockIndex;
    }
}

void TurnDriver::totalAssetsWithoutBank() { s_.totalAssets = withHoldingsValue(s_, s_.cash); }

// Looks at the firms in order: a bankrupt firm is shown as such and passed over; the firm on
// offer is presented; the firm after a bankrupt firm on offer takes a trend step instead.
ScanEnd TurnDriver::scanFirms() {
    for (int k = 1; k <= firmCount; ++k) {
        loadOffer(click_, k);
        FirmRecord& firm = s_.firm(k);
        if (firm.status == 5) {
            s_.offer.name = s_.bankruptWord + " " + firm.name;
            click_.window().setBox(Form::Form4, "saf(1)", s_.offer.name);
            firm.price = 0;
        } else if (s_.firmOnOffer == k) {
            showDayAndPart(s_, click_.ports);
            presentOffer();
            return ScanEnd::offerFound;
        } else if (s_.firmOnOffer == k - 1) {
            trendStep(click_, is(TradeKind::buy) ? TrendVariant::inDraw : TrendVariant::afterDraw);
            return ScanEnd::trendPath;
        }
    }
    return ScanEnd::noFirm;
}

void TurnDriver::presentOffer() {
    if (is(TradeKind::skip)) {
        priceStep(click_);
    }
    clampPrices(s_);
    if (s_.offer.price < 0) {
        s_.offer.price = 1;
    }
    if (const auto word = marketWord(s_.offer.marketState)) {
        s_.offerMarketWord = *word;
    }
    showOffer(s_, click_.ports);
    showProfit(s_, click_.ports);
    showPurchasePrice(s_, click_.ports);
    clearPrintedText();
    newsStep(click_);
}

}  // namespace

void loadOffer(Click& click, int k) {
    click.state.offer = click.state.firm(k);
    click.offerHolder = k;
}

void storeOffer(Click& click) {
    if (!click.offerHolder) {
        return;
    }
    clampPrices(click.state);
    recalculate(click);
    FirmRecord& firm = click.state.firm(*click.offerHolder);
    std::string name = std::move(firm.name);
    firm = click.state.offer;
    firm.name = std::move(name);
}

void tradingClick(const std::filesystem::path& folder, Ports& ports, const TradeAction& action) {
    const StateFolderLock lock(folder);
    Click click(folder, ports);
    loadState(folder, click.state);
    click.offerHolder = firmNumber(click.state.firmOnOffer);
    TurnDriver(click, action).run();
}

void presentFirstOffer(Click& click) {
    GameState& s = click.state;
    click.window().clearPrinted(Form::Form4);
    showDayAndPart(s, click.ports);
    s.firmOnOffer = 1;
    loadOffer(click, 1);
    showDayAndPart(s, click.ports);
    if (const auto word = marketWord(s.offer.marketState)) {
        s.offerMarketWord = *word;
    }
    showOffer(s, click.ports);
    recalculate(click, StatusMessages::notShown);
    showProfit(s, click.ports);
    showPurchasePrice(s, click.ports);
    click.window().clearPrinted(Form::Form4);
    newsStep(click);
}

}  // namespace vekselgrad
