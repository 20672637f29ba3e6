#include "engine/story_table.h"

#include <array>

namespace vekselgrad {
namespace {

using S = GameState;
constexpr auto rise = PriceEffect::rise;
constexpr auto fall = PriceEffect::fall;
constexpr auto steady = PriceEffect::steady;

constexpr StoryCondition once(Num S::*flag, int calmFirm = 0) {
    return StoryCondition{flag, nullptr, calmFirm, 0, false, false};
}

constexpr StoryCondition followUp(Num S::*flag, Num S::*after, int calmFirm = 0) {
    return StoryCondition{flag, after, calmFirm, 0, false, false};
}

constexpr StoryCondition afterElections(int calmFirm, int bankruptFirm, bool coinToss) {
    return StoryCondition{nullptr, &S::newsElectionsShown, calmFirm, bankruptFirm, coinToss, false};
}

constexpr StoryChange allPrices(int step) { return StoryChange{0, {}, {}, 0, 0, step, nullptr}; }

constexpr StoryChange setState(int firm, double state, double price, int all = 0) {
    return StoryChange{firm, {}, state, 0, price, all, nullptr};
}

constexpr StoryChange stepState(int firm, double state, double price, int all = 0) {
    return StoryChange{firm, {}, {}, state, price, all, nullptr};
}

constexpr std::array<Story, storyCount> stories{{
    // 1
    {60, "Успешное завершение выборов", 0, "", rise, once(&S::newsElectionsShown),
     allPrices(+1)},
    // 2: the oil field also pays bonus shares at the firm's next recalculation
    {61, "Новое месторождение нефти", 54, "Акции Газовой к. прыгают на 5 руб.", rise,
     once(&S::newsOilFieldShown, 4), StoryChange{4, -5.0, 5.0, 0, 4, +1, nullptr}},
    // 3
    {62, "Алкогольный бум в стране", 55, "Акции Смирнова прыгают на 4 руб.", fall,
     once(&S::newsAlcoholBoomShown, 5), setState(5, 5, 5, -1)},
    // 4
    {58, "Подписано соглашение с Китаем", 0, "", rise,
     followUp(&S::newsChinaDealShown, &S::newsAlcoholBoomShown), allPrices(+1)},
    // 5
    {62, "Индекс Доу-Джонса падает", 55, "Акции Агропрома растут на 3 руб.", rise,
     once(&S::newsDowFallsShown, 3), stepState(3, +1, +2, +1)},
    // 6
    {62, "Индекс Доу-Джонса растёт", 55, "Акции Агропрома падают на 3 руб.", fall,
     once(&S::newsDowRisesShown, 3), stepState(3, -1, -2, -1)},
    // 7
    {59, "(ЭППЛ) анонсирует новый Р.С.", 56, "Акции Телевидео падают на 4 руб.", steady,
     once(&S::newsNewPcShown, 6), setState(6, 1, -4)},
    // 8
    {57, "Забастовка в кремниевой долине", 54, "Акции Телевидео взлетают на 5 руб.", fall,
     once(&S::newsValleyStrikeShown, 6), setState(6, 5, +6, -1)},
    // 9
    {63, "Убийство посла в Нигерии", 40, "Акции Руссо-Балт лихорадит они падают на 2 руб.",
     steady, once(&S::newsNigeriaShown, 1), stepState(1, -1, -2)},
    // 10
    {59, "ОПЕК уменьшает цену на нефть", 58, "Акции Газовой к. теряют 1 руб.", rise,
     once(&S::newsOpecShown, 4), stepState(4, -1, -2, +1)},
    // 11: would need the OPEC flag to be 0 and 1 at once, so it never shows
    {61, "Иран поднимает цены на газ", 56, "Акции Газовой к. растут на 2 руб.", steady,
     StoryCondition{&S::newsOpecShown, nullptr, 4, 0, false, true}, stepState(4, +1, +2)},
    // 12
    {58, "Финансовый бум на Уолл-Стрите", 0, "", rise, once(&S::newsWallStreetShown),
     allPrices(+1)},
    // 13
    {58, "Субсидия ЕЭС машиностроению", 55, "Путиловские акции растут на 3 руб.", steady,
     once(&S::newsSubsidyShown, 2), setState(2, 5, +3)},
    // 14
    {62, "Блокада Балтийского моря", 57, "Акции Руссо-Балт теряют 3 руб.", steady,
     once(&S::newsBlockadeShown, 1), setState(1, 1, -3)},
    // 15: opens the way for the new processor
    {48, "Забастовка в электронной промышленности", 58, "Акции Телевидео теряют 4 руб.", steady,
     once(&S::newsElectronicsStrikeShown, 6),
     StoryChange{6, {}, 1.0, 0, -4, 0, &S::newsProcessorShown}},
    // 16
    {60, "Разработан новый процессор", 56, "Акции Телевидео растут на 1 руб.", steady,
     followUp(&S::newsProcessorShown, &S::newsElectronicsStrikeShown, 6), stepState(6, +1, +1)},
    // 17
    {65, "Трезвость норма жизни", 58, "Акции Смирноффа теряют 3 руб.", steady,
     once(&S::newsSobrietyShown, 5), setState(5, 1, -3)},
    // 18
    {55, "Конец антиалкогольной компании", 55, "Акции Смирноффа растут на 2 руб.", steady,
     followUp(&S::newsAntiAlcoholEndShown, &S::newsSobrietyShown, 5), stepState(5, +1, +2)},
    // 19
    {55, "Заказы танковой промышленности", 55, "Акции Путилова взлетают на 3 руб.", steady,
     once(&S::newsTankOrdersShown, 2), setState(2, 5, +3)},
    // 20
    {57, "Заказ нового авианосца для ВМС", 54, "Акции Руссо-Балт прыгают на 4 руб.", steady,
     once(&S::newsCarrierShown, 1), setState(1, 5, +4)},
    // 21
    {60, "Повышение цен на автомобили", 0, "", rise, afterElections(0, 0, true), allPrices(+1)},
    // 22
    {53, "Новая продовольственная программа", 53, "Акции Агропрома взлетают на 4 руб.", fall,
     afterElections(3, 0, false), setState(3, 5, +5, -1)},
    // 23
    {51, "Повышение благосостояния трудящихся", 0, "", fall, afterElections(0, 3, false),
     allPrices(-1)},
}};

}  // namespace

std::span<const Story> storyTable() { return stories; }

}  // namespace vekselgrad
