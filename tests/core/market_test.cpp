#include "click_fixture.h"
#include "engine/recalculate.h"
#include "engine/trend_step.h"

namespace vekselgrad {
namespace {

using MarketTest = ClickTest;

struct Trend {
    double level;
    TrendVariant variant;
    double marketState;
    float cell;  // every cell of the 5 x 5 draw
    double stateAfter;
    double statusChange;
};

class TrendStepTest : public ClickTest, public ::testing::WithParamInterface<Trend> {};

TEST_P(TrendStepTest, ComparesTheStateBeforeItIsClamped) {
    const auto& t = GetParam();
    s.level = t.level;
    s.offer.marketState = t.marketState;
    s.offer.status = 1;
    giveDraw(5, t.cell);
    trendStep(click, t.variant);
    EXPECT_EQ(double(s.offer.marketState), t.stateAfter);
    EXPECT_EQ(double(s.offer.status), 1 + t.statusChange);
    EXPECT_EQ(double(s.previousMarketState), t.marketState);
}

INSTANTIATE_TEST_SUITE_P(
    Trends, TrendStepTest,
    ::testing::Values(
        // Level 1, after the draw: whole part of (0..4 - 2).
        Trend{1, TrendVariant::afterDraw, 6, 0.7f, 6, -1},  // +1 at the top: clamped, still up
        Trend{1, TrendVariant::afterDraw, 3, 0.5f, 3, 0},   // 2 - 2 = 0: status unchanged
        Trend{1, TrendVariant::afterDraw, 1, 0.0f, 0, +1},  // -2: clamped at 0, still down
        // Level 2: whole part of (draw - 2.2), or the draw with offset -2.2.
        Trend{2, TrendVariant::afterDraw, 3, 0.5f, 2, +1},  // 2 - 2.2 -> -1
        Trend{2, TrendVariant::afterDraw, 3, 0.9f, 4, -1},  // 4 - 2.2 -> 1
        Trend{2, TrendVariant::inDraw, 3, 0.9f, 5, -1},     // -2.2 + 4.5 -> 2
        Trend{3, TrendVariant::inDraw, 3, 0.0f, 0, +1},     // -2.5 -> -3
        Trend{3, TrendVariant::afterDraw, 3, 0.0f, 0, +1}));  // 0 - 2.5 -> -3

TEST_F(MarketTest, TrendStepRaisesANegativeOfferPriceToZero) {
    s.offer.price = -4;
    s.offer.marketState = 3;
    giveDraw(5, 0.5f);
    trendStep(click, TrendVariant::afterDraw);
    EXPECT_EQ(double(s.offer.price), 0);
}

TEST_F(MarketTest, RecalculateShowsTheIndexAndItsChange) {
    s.firmOnOffer = 3;
    s.firm(3).marketState = 4;
    recalculate(click);
    EXPECT_EQ(double(s.stockIndex), 175);
    EXPECT_EQ(window.box("Form4 Text21"), "+ 0");
    EXPECT_EQ(window.box("Form4 Text18"), "175");
    EXPECT_EQ(window.box("Form4 Text17"), "4");
    s.firm(1).price = -3;  // counts as 0: 10 x 92 / 6
    s.firm(2).price = 15;
    recalculate(click);
    EXPECT_EQ(double(s.stockIndex), 163);
    EXPECT_EQ(double(s.firm(1).price), 0);
    EXPECT_EQ(window.box("Form4 Text21"), "-12");
    s.firm(3).price = 100;
    recalculate(click);
    EXPECT_EQ(window.box("Form4 Text21"), "+ 115");
}

TEST_F(MarketTest, RecalculateClampsStoredMarketStatesAndLeavesText17OutsideFirms) {
    s.firm(2).marketState = 9;
    s.firm(5).marketState = -2;
    s.firmOnOffer = 7;
    recalculate(click);
    EXPECT_EQ(double(s.firm(2).marketState), 6);
    EXPECT_EQ(double(s.firm(5).marketState), 0);
    EXPECT_EQ(window.box("Form4 Text17"), "<unwritten>");
}

struct StatusCase {
    double status;
    double sharesHeld;
    std::string message;
    double sharesAfter;
    double statusAfter;
    double priceAfter;
};

class StatusMessageTest : public ClickTest, public ::testing::WithParamInterface<StatusCase> {};

TEST_P(StatusMessageTest, ShowsTheMessageAndItsEffect) {
    const auto& c = GetParam();
    s.offer.status = c.status;
    s.offer.sharesHeld = c.sharesHeld;
    s.offer.price = 12;
    recalculate(click);
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0], "msgbox " + c.message + " | ВЕКСЕЛЬГРАД");
    EXPECT_EQ(double(s.offer.sharesHeld), c.sharesAfter);
    EXPECT_EQ(double(s.offer.status), c.statusAfter);
    EXPECT_EQ(double(s.offer.price), c.priceAfter);
}

const std::string bonusText =
    "Благодаря успешной деятельности нашей компании в недавних торговых операциях мы имеем "
    "удовольствие вознаградить вас  ";

INSTANTIATE_TEST_SUITE_P(
    Statuses, StatusMessageTest,
    ::testing::Values(
        StatusCase{4, 30,
                   "Эта компания находиться на грани банкротства. Вы рискуете потерять все ваши "
                   "вклады.",
                   30, 4, 12},
        StatusCase{5, 30,
                   "Эта компания обанкротилась! Все её акции у вас на руках обесценились.", 0, 5,
                   0},
        StatusCase{-5, 57, bonusText + "5 призовыми акциями.", 62, 0, 12},
        StatusCase{-5, 9, bonusText + "0 призовыми акциями.", 9, 0, 12}));

TEST_F(MarketTest, NoStatusMessagesWhenAskedNotTo) {
    s.offer.status = 5;
    s.offer.sharesHeld = 30;
    recalculate(click, StatusMessages::notShown);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(double(s.offer.sharesHeld), 30);
}

}  // namespace
}  // namespace vekselgrad
