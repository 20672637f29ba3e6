#include "engine/world_news.h"

#include "click_fixture.h"

namespace vekselgrad {
namespace {

using testing_state::blanks;

class WorldNewsTest : public ClickTest {
protected:
    WorldNewsTest() {
        s.stockIndex = 175;
        s.offer = s.firm(1);
    }
    std::string headline() const { return window.box("Form4 FG(0)"); }
    // The story list entered at position 5 x d.
    static float entryAt(int d) { return (static_cast<float>(d) + 0.5f) / 23; }
};

struct Gate {
    double level;
    std::vector<float> numbers;  // the gate's draws, then (if news follow) the story's entry
    bool newsAppear;
};

class NewsGateTest : public WorldNewsTest, public ::testing::WithParamInterface<Gate> {};

TEST_P(NewsGateTest, EachLevelTestDrawsItsOwnNumber) {
    const auto& g = GetParam();
    s.level = g.level;
    random.numbers.assign(g.numbers.begin(), g.numbers.end());
    newsStep(click);
    EXPECT_TRUE(random.numbers.empty());
    EXPECT_EQ(headline() != "<unwritten>", g.newsAppear);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, NewsGateTest,
    ::testing::Values(Gate{1, {0.07f}, false}, Gate{1, {0.06f, 0.9f, 0.9f, 0.0f}, true},
                      Gate{1, {0.05f, 0.9f, 0.9f, 0.0f}, true}, Gate{2, {0.01f, 0.09f}, false},
                      Gate{2, {0.9f, 0.07f, 0.9f, 0.0f}, true},
                      Gate{3, {0.01f, 0.01f, 0.13f}, false},
                      Gate{3, {0.9f, 0.9f, 0.11f, 0.0f}, true}));

TEST_F(WorldNewsTest, IndexFortyBelowTheFallMarkRaisesAllPricesTwice) {
    s.stockIndex = 135;
    newsStep(click);
    EXPECT_EQ(headline(), blanks(55) + "Повышение зарплаты: Рост спроса");
    EXPECT_EQ(window.box("Form4 FG(1)"), blanks(45));
    EXPECT_EQ(window.box("Form4 FG(2)"), s.pricesRiseText);
    EXPECT_EQ(double(s.indexFallMark), 135);
    EXPECT_EQ(double(s.firm(6).price), 21);
    EXPECT_EQ(double(s.offer.price), 15);
    EXPECT_EQ(random.drawn, 0);
}

TEST_F(WorldNewsTest, IndexExactlyFortyAboveTheRiseMarkDrawsAStory) {
    s.stockIndex = 215;
    random.numbers = {0.0f};
    newsStep(click);
    EXPECT_EQ(headline(), blanks(60) + "Успешное завершение выборов");
    EXPECT_EQ(double(s.newsElectionsShown), 1);
    EXPECT_EQ(double(s.firm(2).price), 10);
}

TEST_F(WorldNewsTest, IndexFortyOneAboveTheRiseMarkLowersAllPricesTwice) {
    s.stockIndex = 216;
    newsStep(click);
    EXPECT_EQ(headline(), blanks(65) + "Волнения в прибалтике");
    EXPECT_EQ(window.box("Form4 FG(2)"), s.pricesFallText);
    EXPECT_EQ(double(s.indexRiseMark), 216);
    EXPECT_EQ(double(s.firm(2).price), 7);
}

TEST_F(WorldNewsTest, StoryAboutTheFirmOnOfferChangesTheOfferRecordToo) {
    s.stockIndex = 135 + 1;
    s.indexRiseMark = 96;  // the index is 40 above: news are certain
    s.offer = s.firm(4);
    random.numbers = {entryAt(2)};  // position 10
    newsStep(click);
    EXPECT_EQ(headline(), blanks(59) + "ОПЕК уменьшает цену на нефть");
    EXPECT_EQ(window.box("Form4 FG(1)"), blanks(58) + "Акции Газовой к. теряют 1 руб.");
    EXPECT_EQ(double(s.firm(4).price), 26);
    EXPECT_EQ(double(s.offer.price), 26);
    EXPECT_EQ(double(s.firm(4).marketState), 2);
    EXPECT_EQ(double(s.offer.marketState), 2);
    EXPECT_EQ(double(s.firm(1).price), 14);
}

TEST_F(WorldNewsTest, OilFieldPaysBonusSharesThroughTheStatus) {
    s.indexRiseMark = 135;
    s.offer = s.firm(4);
    random.numbers = {0.0f};
    s.newsElectionsShown = 1;
    random.numbers = {0.0f, 0.9f};  // entry 1; position 1 shown already, position 2 holds
    newsStep(click);
    EXPECT_EQ(headline(), blanks(61) + "Новое месторождение нефти");
    EXPECT_EQ(double(s.firm(4).status), -5);
    EXPECT_EQ(double(s.offer.status), -5);
    EXPECT_EQ(double(s.offer.price), 27 + 4 + 1);
}

TEST_F(WorldNewsTest, NewProcessorComesOnlyAfterTheElectronicsStrike) {
    for (Num* shown : {&s.newsElectionsShown, &s.newsOilFieldShown, &s.newsAlcoholBoomShown,
                       &s.newsChinaDealShown, &s.newsDowFallsShown, &s.newsDowRisesShown,
                       &s.newsNewPcShown, &s.newsValleyStrikeShown, &s.newsNigeriaShown,
                       &s.newsOpecShown, &s.newsWallStreetShown, &s.newsSubsidyShown,
                       &s.newsBlockadeShown, &s.newsSobrietyShown, &s.newsAntiAlcoholEndShown,
                       &s.newsTankOrdersShown, &s.newsCarrierShown}) {
        *shown = 1;
    }
    s.indexRiseMark = 135;
    random.numbers = {entryAt(3)};
    newsStep(click);
    EXPECT_EQ(headline(), blanks(48) + "Забастовка в электронной промышленности");
    EXPECT_EQ(double(s.newsProcessorShown), 0);
    random.numbers = {entryAt(3)};
    newsStep(click);
    EXPECT_EQ(headline(), blanks(60) + "Разработан новый процессор");
    EXPECT_EQ(double(s.newsProcessorShown), 1);
    // Every one-time story told: the list goes on to the coin toss of 21, then to 22.
    random.numbers = {entryAt(3), 0.6f};
    newsStep(click);
    EXPECT_EQ(headline(), blanks(60) + "Повышение цен на автомобили");
    random.numbers = {entryAt(3), 0.4f};
    newsStep(click);
    EXPECT_EQ(headline(), blanks(53) + "Новая продовольственная программа");
    EXPECT_TRUE(random.numbers.empty());
}

TEST_F(WorldNewsTest, BankruptFirmThreeLeavesOnlyTheTwoGeneralStoriesAfterTheElections) {
    s.newsElectionsShown = 1;
    s.firm(3).status = 5;
    s.indexRiseMark = 135;
    random.numbers = {entryAt(4), 0.3f};  // position 20 tells the carrier story first
    newsStep(click);
    EXPECT_EQ(headline(), blanks(57) + "Заказ нового авианосца для ВМС");
    random.numbers = {entryAt(4), 0.3f};  // 21 loses its coin toss, 22 needs firm 3 calm
    newsStep(click);
    EXPECT_EQ(headline(), blanks(51) + "Повышение благосостояния трудящихся");
}

}  // namespace
}  // namespace vekselgrad
