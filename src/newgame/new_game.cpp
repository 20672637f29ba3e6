#include "newgame/new_game.h"

#include <array>
#include <string>

#include "engine/click.h"
#include "engine/random_draw.h"
#include "engine/turn_driver.h"
#include "state/slot_table.h"
#include "state/state_files.h"
#include "state/state_folder_lock.h"
#include "state/text_encoding.h"

namespace vekselgrad {
namespace {

struct FirmSetup {
    std::string_view name;
    double price;
    int stateRange;      // the market state is randomDraw(stateRange, stateOffset)
    double stateOffset;
};

// The six firms in record order; the prices sum to 105, a stock index of 175.
constexpr std::array<FirmSetup, firmCount> firmSetups{{
    {"Руссо-балт.", 13, 3, 2},
    {"Путилов и к.", 9, 4, 3},
    {"Агропром инд.", 24, 4, 2},
    {"Газовая к.,СПб.", 27, 3, 1},
    {"Смирнофф и сын", 13, 4, 2},
    {"Телевидео корп.", 19, 7, 1},
}};

std::string blanks(std::size_t count) { return std::string(count, ' '); }

// The fixed numbers, counters and texts of a new game; every other number starts at 0, except
// the slots a new game leaves empty.
void setInitialValues(GameState& s) {
    zeroEveryNumber(s);
    for (Num* unset : {&s.spare65, &s.offer.marketState, &s.debtLimitFlag, &s.spare93,
                       &s.spare94, &s.firmOnOffer}) {
        *unset = Num::emptyValue();
    }
    for (std::size_t e = 1; e <= historyLength; ++e) {
        s.indexHistory[e] = Num::emptyValue();
        s.assetHistory[e] = Num::emptyValue();
    }
    s.startCapital = 15000;
    s.constSeven = 7;
    s.spare3 = 9700;
    s.spare4 = 9750;
    s.newsProcessorShown = 1;
    s.day = 1;
    s.part = 1;
    s.indexFallMark = 175;
    s.indexRiseMark = 175;
    s.spare40 = 11;
    s.constTwenty = 20;
    s.constForty = 40;
    s.constTen = 10;
    s.constHundred = 100;
    s.constTwo = 2;
    s.constSix = 6;
    s.constFour = 4;
    s.constFive = 5;
    s.constOne = 1;
    s.constZero = 0;
    s.constThree = 3;
    s.historyIndex = 1;
    s.pricesRiseText = fitToLength(blanks(69) + "Цены акций растут ", fixedTextLength);
    s.pricesFallText = fitToLength(blanks(69) + "Цены акций падают ", fixedTextLength);
    s.pricesSteadyText = fitToLength(blanks(69) + "Цены акций прежние", fixedTextLength);
    s.blanks38 = blanks(38);
    s.bankruptWord = "Обанкротилась";
    s.pressAnyKeyText = "Нажмите любую клавишу";
    s.blanks28 = blanks(28);
}

// Names and prices in firm order, each market state drawn right after its firm's price.
void setUpFirms(Click& click) {
    for (int k = 1; k <= firmCount; ++k) {
        const FirmSetup& setup = firmSetups[static_cast<std::size_t>(k - 1)];
        FirmRecord& firm = click.state.firm(k);
        firm.name = fitToLength(blanks(31) + std::string(setup.name), 46);
        firm.price = setup.price;
        firm.marketState = randomDraw(click, setup.stateRange, setup.stateOffset);
    }
    click.state.indexFallMark = 175;
    click.state.indexRiseMark = 175;
    click.state.newsProcessorShown = 1;
}

// Asks until the answer is the single digit 1, 2 or 3; anything else is asked again silently.
int askLevel(Window& window) {
    for (;;) {
        const std::string answer =
            window.inputBox(applicationTitle, "Выбирайте уровень игры (1 - 3)");
        if (answer.size() == 1 && answer[0] >= '1' && answer[0] <= '3') {
            return answer[0] - '0';
        }
    }
}

}  // namespace

void startNewGame(const std::filesystem::path& folder, Ports& ports) {
    const StateFolderLock lock(folder);
    Click click(folder, ports);
    GameState& s = click.state;
    setInitialValues(s);
    ports.random.seedFromClock();
    ports.window.clearPrinted(Form::Form4);
    setUpFirms(click);
    s.level = askLevel(ports.window);
    s.cash = 15000 / s.level;
    s.day = 1;
    s.part = 1;
    saveState(folder, s);
    presentFirstOffer(click);
    saveState(folder, s);
}

}  // namespace vekselgrad
