#include "engine/world_news.h"

#include <cmath>
#include <string>

#include "engine/story_table.h"

namespace vekselgrad {
namespace {

void showLine(Click& click, std::string_view box, std::string_view text) {
    click.window().setBox(Form::Form4, box, text);
}

std::string indented(int blanks, std::string_view text) {
    return std::string(static_cast<std::size_t>(blanks), ' ') + std::string(text);
}

bool indexBelowFallMark(const GameState& s) { return s.stockIndex <= s.indexFallMark - 40; }

// Within the index marks news come by chance; each level's test draws its own number.
bool newsAppear(Click& click) {
    const GameState& s = click.state;
    if (indexBelowFallMark(s) || s.stockIndex >= s.indexRiseMark + 40) {
        return true;
    }
    if (click.random() >= 0.06 && s.level == 1) {
        return false;
    }
    if (click.random() >= 0.08 && s.level == 2) {
        return false;
    }
    if (click.random() >= 0.12 && s.level == 3) {
        return false;
    }
    return true;
}

const std::string& effectLine(const GameState& s, PriceEffect effect) {
    switch (effect) {
        case PriceEffect::rise:
            return s.pricesRiseText;
        case PriceEffect::fall:
            return s.pricesFallText;
        case PriceEffect::steady:
            break;
    }
    return s.pricesSteadyText;
}

// The index news pull the index back when it has moved 40 past a mark.
bool indexNews(Click& click) {
    GameState& s = click.state;
    if (indexBelowFallMark(s)) {
        showLine(click, "FG(0)", indented(55, "Повышение зарплаты: Рост спроса"));
        s.indexFallMark = s.stockIndex;
        allPricesUp(s);
        allPricesUp(s);
        showLine(click, "FG(2)", s.pricesRiseText);
        return true;
    }
    if (s.stockIndex > s.indexRiseMark + 40) {
        showLine(click, "FG(0)", indented(65, "Волнения в прибалтике"));
        allPricesDown(s);
        allPricesDown(s);
        showLine(click, "FG(2)", s.pricesFallText);
        s.indexRiseMark = s.stockIndex;
        return true;
    }
    return false;
}

bool storyMayShow(Click& click, const StoryCondition& c) {
    const GameState& s = click.state;
    if (c.coinToss && !(click.random() > 0.5)) {
        return false;
    }
    if (c.never) {
        return false;
    }
    if (c.notYetShown && s.*c.notYetShown != 0) {
        return false;
    }
    if (c.requiredShown && s.*c.requiredShown != 1) {
        return false;
    }
    if (c.calmFirm && !(s.firm(c.calmFirm).status < 3)) {
        return false;
    }
    return !c.bankruptFirm || s.firm(c.bankruptFirm).status == 5;
}

// A change to a firm is made to the offer record too when that firm is the one on offer, so that
// it survives when the offer record is stored back.
void changeFirm(GameState& s, const StoryChange& change) {
    FirmRecord& firm = s.firm(change.firm);
    const bool onOffer = firm.name == s.offer.name;
    auto both = [&](auto&& apply) {
        apply(firm);
        if (onOffer) {
            apply(s.offer);
        }
    };
    if (change.status) {
        both([&](FirmRecord& f) { f.status = *change.status; });
    }
    if (change.marketState) {
        both([&](FirmRecord& f) { f.marketState = *change.marketState; });
    }
    if (change.marketStateStep != 0) {
        both([&](FirmRecord& f) { f.marketState += change.marketStateStep; });
    }
    if (change.priceStep != 0) {
        both([&](FirmRecord& f) { f.price += change.priceStep; });
    }
}

void showStory(Click& click, const Story& story) {
    GameState& s = click.state;
    showLine(click, "FG(0)", indented(story.headlineBlanks, story.headline));
    if (!story.firmLine.empty()) {
        showLine(click, "FG(1)", indented(story.firmLineBlanks, story.firmLine));
    }
    showLine(click, "FG(2)", effectLine(s, story.effect));
    const StoryChange& change = story.change;
    if (change.firm) {
        changeFirm(s, change);
    }
    if (change.allPrices > 0) {
        allPricesUp(s);
    } else if (change.allPrices < 0) {
        allPricesDown(s);
    }
    if (change.reopens) {
        s.*change.reopens = 0;
    }
    if (story.condition.notYetShown) {
        s.*story.condition.notYetShown = 1;
    }
}

// The list is entered at position 5 x whole part of (23 x u) when that is 1..23, else at 1, and
// the first story whose condition holds is shown; past the end of the list, a new entry is drawn.
void tellStory(Click& click) {
    const auto stories = storyTable();
    for (;;) {
        const double entry = 5 * std::floor(23 * click.random());
        const int first = entry >= 1 && entry <= storyCount ? static_cast<int>(entry) : 1;
        for (int position = first; position <= storyCount; ++position) {
            const Story& story = stories[static_cast<std::size_t>(position - 1)];
            if (storyMayShow(click, story.condition)) {
                showStory(click, story);
                return;
            }
        }
    }
}

}  // namespace

void allPricesUp(GameState& s) {
    for (int k = 1; k <= firmCount; ++k) {
        s.firm(k).price += 1;
    }
    s.offer.price += 1;
}

void allPricesDown(GameState& s) {
    for (int k = 1; k <= firmCount; ++k) {
        s.firm(k).price -= 1;
    }
    s.offer.price -= 1;
}

void newsStep(Click& click) {
    if (!newsAppear(click)) {
        return;
    }
    const std::string blankLine(45, ' ');
    showLine(click, "FG(0)", blankLine);
    showLine(click, "FG(1)", blankLine);
    showLine(click, "FG(2)", blankLine);
    if (!indexNews(click)) {
        tellStory(click);
    }
}

}  // namespace vekselgrad
