#include "endgame/analysis.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "endgame/tactical_totals.h"
#include "state/state_files.h"
#include "ui/number_text.h"

namespace vekselgrad {
namespace {

using Lines = std::vector<std::string>;

// A number joined into a line of text.
std::string textForm(double number) {
    return signedText(number);
}
// A number printed as an item of its own between texts: its text form and one blank.
std::string printForm(double number) {
    return signedText(number) + " ";
}

// A paragraph of advice, printed after its blank lines when its condition holds.
struct AdviceParagraph {
    bool (*applies)(const GameState& s);
    std::size_t blankLinesBefore;
    Lines (*lines)(const GameState& s);
};

const std::array<AdviceParagraph, 14> adviceParagraphs{{
    {[](const GameState& s) { return s.cheapVolatileBuys > 0; }, 1,
     [](const GameState&) -> Lines {
         return {"Вы обладаете неплохим чутьём при скупке дешёвых акций на неустойчивом рынке"};
     }},
    {[](const GameState& s) { return s.missedBuyChances > 0; }, 2,
     [](const GameState& s) -> Lines {
         return {"Вы потерпели неудачу в " + textForm(s.missedBuyChances) +
                 " случаях, когда можно было прибыльно покупать акции. Если возможно, покупайте "
                 "их, когда тренд положителен."};
     }},
    {[](const GameState& s) { return s.bankMoney == 0; }, 1,
     [](const GameState&) -> Lines {
         return {
             "Почему вы не решились вкладывать деньги в банк? Это вполне безопасно и "
             "гарантирует прибыль с процентов."};
     }},
    {[](const GameState& s) { return s.spareCashBuys > 0; }, 1,
     [](const GameState& s) -> Lines {
         return {"В " + printForm(s.spareCashBuys) +
                     " случаях вы имели достаточно денег для вклада их в банк, однако решили "
                     "покупать на них акции. Крах на рынке может уничтожить всё ваше",
                 "благосостояние. Прибыль с процентов в банке достаточно высока, по этому "
                 "используйте его как можно чаще."};
     }},
    {[](const GameState& s) { return s.level == 3 && s.bankMoney == 0; }, 1,
     [](const GameState&) -> Lines {
         return {
             "Хорошая тактика при устойчиво падающем тренде состоит в том, чтобы продавать и "
             "покупать акции быстро и с прибылью, после чего вкладывать",
             "деньги в банк, где вам гарантирован их рост."};
     }},
    {[](const GameState& s) { return s.debtLimitRefusals > 0; }, 1,
     [](const GameState& s) -> Lines {
         return {printForm(s.debtLimitRefusals) +
                     " раз вы пытались скупить акции, когда ваши возможности и вклад в банке были "
                     "недостаточно велики. Это пустая трата денег и вашего драгоцен-",
                 "ного маклерского времени. Будьте внимательны и контролируйте имеющиеся "
                 "средства."};
     }},
    {[](const GameState& s) { return s.fallingMarketBuys > 0; }, 1,
     [](const GameState& s) -> Lines {
         return {"Вы покупали акции " + printForm(s.fallingMarketBuys) +
                     " раз, когда они падали в цене или собирались сделать это. Занимайтесь "
                     "скупкой на (Падающем рынке) только когда акции дешёвы и",
                 "существует возможность продавать их с максимальной прибылью."};
     }},
    {[](const GameState& s) { return s.smallCheapSales > 0; }, 1,
     [](const GameState&) -> Lines {
         return {
             "Ваша тактика продажи небольших пакетов дешёвых акций на неустойчивом рынке "
             "достойна всяческих похвал!"};
     }},
    {[](const GameState& s) { return s.expensiveFallingBuys > 0; }, 1,
     [](const GameState& s) -> Lines {
         return {printForm(s.expensiveFallingBuys) +
                 " раз вы покупали акции по высоким ценам в то время, когда они начинали падать. "
                 "Огромные суммы денег могут потеряны таким путём."};
     }},
    {[](const GameState& s) { return s.fallingHoldNoBuy > 0; }, 1,
     [](const GameState& s) -> Lines {
         return {"В " + printForm(s.fallingHoldNoBuy) +
                     " случаях вы продавали акции по высокой цене, когда они падали на рынке. "
                     "Если ситуация резко меняется, лучшим способом уменьшить потери",
                 "является быстрая продажа бумаг, иначе позже убытки могут быть больше."};
     }},
    {[](const GameState& s) { return s.concentratedBuys > 0; }, 1,
     [](const GameState& s) -> Lines {
         return {
             "Не пытайтесь вкладывать слишком много средств в одну компанию. Если ситуация на "
             "рынке вдруг изменится, вы рискуете не найти достаточное",
             "число покупателей, чтобы компенсировать убытки. В " + textForm(s.concentratedBuys) +
                 " случаях вам следовало бы чаще продавать, а не покупать акции."};
     }},
    {[](const GameState& s) { return s.infoUses == 0; }, 1,
     [](const GameState&) -> Lines {
         return {
             "Информация предоставляется исключительно для того, чтобы вы могли оченить, "
             "приносят ли акции вам дивиденты. Не используя её, вы играете на",
             "бирже совершенно наугад..."};
     }},
    {[](const GameState& s) { return unsoldShares(s) > 40; }, 1,
     [](const GameState& s) -> Lines {
         return {"У вас осталось" + textForm(unsoldShares(s)) +
                 " акций не проданными. Все они подлежат налообложению. А ведь этого можно было "
                 "бы избежать..."};
     }},
    {[](const GameState& s) { return s.fridaySales > 0; }, 1,
     [](const GameState&) -> Lines {
         return {"Ваша тактика массовой продажи акций в пятницу замечательна."};
     }},
}};

// The analysis being written, line by line from the top.
class AnalysisText {
  public:
    void blank(std::size_t count = 1) { lines_.insert(lines_.end(), count, ""); }
    void line(std::string text) { lines_.push_back(std::move(text)); }
    Lines finish() { return std::move(lines_); }

  private:
    Lines lines_;
};

// The totals the results form recorded. When the player went on without pressing for the
// achievements, the state files hold none: they are counted from the tactical counters.
TacticalTotals totalsOfGame(const GameState& s) {
    if (s.errorCount && s.rightDecisionCount) {
        return {*s.errorCount, *s.rightDecisionCount};
    }
    return tacticalTotals(s);
}

// The same five bonuses that the results add into the rating.
double bonusPoints(double unsold, const TacticalTotals& totals) {
    double bonus = 0;
    if (unsold < 20) {
        bonus += 5;
    }
    if (totals.errors < 3) {
        bonus += 5;
    }
    if (totals.errors == 0) {
        bonus += 10;
    }
    if (unsold == 0) {
        bonus += 5;
    }
    if (totals.rightDecisions > 5) {
        bonus += 10;
    }
    return bonus;
}

void writeAdvice(const GameState& s, AnalysisText& text) {
    for (const auto& paragraph : adviceParagraphs) {
        if (paragraph.applies(s)) {
            text.blank(paragraph.blankLinesBefore);
            for (auto& line : paragraph.lines(s)) {
                text.line(std::move(line));
            }
        }
    }
}

void writeVerdict(const TacticalTotals& totals, AnalysisText& text) {
    if (totals.errors == 0 && totals.rightDecisions > 10) {
        text.blank();
        text.line("Выши действия достаточны всяческих поощрений.");
        text.blank(2);
        text.line("НАШИ ПОЗДРАВЛЕНИЯ!!!");
    } else if (totals.errors == 1 && totals.rightDecisions > 5) {
        text.blank();
        text.line("Не так плохо для начала, товарищ");
    } else if (totals.errors == 0 && totals.rightDecisions > 5) {
        text.blank(2);
        text.line("Не было никаких серъёзных ошибок в ваших действиях.");
        text.blank();
        text.line("НАШИ ПОЗДРАВЛЕНИЯ!");
    }
}

void writeScore(const TacticalTotals& totals, double bonus, AnalysisText& text) {
    text.blank();
    text.line("Вы набрали следующее число очков");
    text.blank();
    text.line("Ошибки:             " + printForm(totals.errors));
    text.line("Прав. решения: " + printForm(totals.rightDecisions));
    text.line("Поощрит. очки: " + printForm(bonus));
    text.line("Всего:                " + printForm(totals.rightDecisions + bonus - totals.errors));
}

void writeFarewell(AnalysisText& text) {
    text.blank();
    text.line(
        "Кликни мышкой два раза, чтобы сыграть заново. Успехов вам в извлечении нетрудовых  "
        "доходов!      ");
}

}  // namespace

std::vector<std::string> analysisLines(const GameState& s) {
    const TacticalTotals totals = totalsOfGame(s);
    AnalysisText text;
    text.blank(2);
    writeAdvice(s, text);
    writeVerdict(totals, text);
    writeScore(totals, bonusPoints(unsoldShares(s), totals), text);
    writeFarewell(text);
    return text.finish();
}

void printAnalysis(const std::filesystem::path& folder, Ports& ports) {
    GameState state;
    loadState(folder, state, Data8Values::totalsIfPresent);
    ports.window.clearPrinted(Form::Form6);
    for (const auto& line : analysisLines(state)) {
        ports.window.print(Form::Form6, line);
    }
}

}  // namespace vekselgrad
