#include "actions/bank_deposit.h"

#include "state/state_files.h"
#include "state/state_folder_lock.h"
#include "ui/number_text.h"

namespace vekselgrad {
namespace {

void refuseDeposit(Ports& ports, double startingCash) {
    ports.window.messageBox(
        "Вы можете вкладывать в банк только прибыль. Вам нужно иметь больше" +
            signedText(startingCash) +
            " руб. Лишь тогда вы сможете воспользоваться преимуществами государственного займа.",
        applicationTitle, MessageIcon::none);
}

// Asks until the answer is a number from 0 to the free amount; an answer with no digit in it
// is asked again like one out of range.
double askDeposit(Ports& ports, double freeAmount) {
    for (;;) {
        const std::string answer = ports.window.inputBox(
            "Государственные сберегательные бумаги",
            "Вы располагаете" + signedText(freeAmount) +
                " руб. валютой позволяющей приобрести ценные государственные сертификаты.");
        const auto deposit = readNumberIfAny(answer);
        if (deposit && *deposit <= freeAmount && *deposit >= 0) {
            return *deposit;
        }
    }
}

void depositStep(GameState& s, Ports& ports) {
    const double startingCash = 15000 / s.level;
    if (s.cash <= startingCash) {
        refuseDeposit(ports, startingCash);
        return;
    }
    const double deposit = askDeposit(ports, s.cash - startingCash);
    s.bankMoney += deposit;
    s.cash -= deposit;
    if (s.offer.sharesHeld > 150 / s.level && s.offer.marketState < 5) {
        s.largeHoldingDeposits += 1;
    }
}

}  // namespace

void bankDeposit(const std::filesystem::path& folder, Ports& ports) {
    const StateFolderLock lock(folder);
    GameState state;
    loadState(folder, state);
    depositStep(state, ports);
    saveState(folder, state);
}

}  // namespace vekselgrad
