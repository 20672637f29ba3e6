#include "engine/random_draw.h"

#include "click_fixture.h"
#include "engine/price_step.h"

namespace vekselgrad {
namespace {

constexpr float highest = 0.99999994f;  // the largest single below 1

struct PriceRow {
    double marketState;
    int n;
    double lowest;
    double highest;
};

class PriceStepRange : public ClickTest, public ::testing::WithParamInterface<PriceRow> {};

TEST_P(PriceStepRange, MovesThePriceWithinTheRowOfItsMarketState) {
    const auto& row = GetParam();
    s.offer.marketState = row.marketState;
    s.offer.price = 100;
    giveDraw(row.n, 0.0f);
    priceStep(click);
    EXPECT_EQ(double(s.offer.price), 100 + row.lowest);
    giveDraw(row.n, highest);
    priceStep(click);
    EXPECT_EQ(double(s.offer.price), 100 + row.lowest + row.highest);
    EXPECT_TRUE(random.numbers.empty());
}

INSTANTIATE_TEST_SUITE_P(MarketStates, PriceStepRange,
                         ::testing::Values(PriceRow{3, 3, 0, 2}, PriceRow{2, 10, -5, 5},
                                           PriceRow{1, 8, -2, -9}, PriceRow{0, 10, -2, -11},
                                           PriceRow{5, 6, -1, 4}, PriceRow{4, 16, -8, 8},
                                           PriceRow{6, 10, -1, 8}));

TEST_F(ClickTest, PriceStepOutsideTheMarketStatesChangesNothing) {
    for (double state : {7.0, -1.0, 2.5}) {
        s.offer.marketState = state;
        s.offer.price = 10;
        priceStep(click);
        EXPECT_EQ(double(s.offer.price), 10);
    }
    EXPECT_EQ(random.drawn, 0);
}

TEST_F(ClickTest, FirstDrawOfAClickPicksZeroFromItsUnwrittenEndPositions) {
    for (int position : {9, 10}) {
        DrawLists fresh;
        click.draws = fresh;
        giveDraw(3, 0.5f, position);
        EXPECT_EQ(randomDraw(click, 3, 0), 0);
    }
    giveDraw(3, 0.5f, 8);
    EXPECT_EQ(randomDraw(click, 3, 0), 1);
}

TEST_F(ClickTest, LaterDrawPicksUpWhatAnEarlierDrawLeftWithItsOwnSign) {
    giveDraw(8, 0.5f);
    EXPECT_EQ(randomDraw(click, -8, 2), -6);
    giveDraw(3, 0.1f, 9);
    EXPECT_EQ(randomDraw(click, 3, 0), 6);
    giveDraw(10, 0.99f);
    EXPECT_EQ(randomDraw(click, 10, -4.5), 5);
    giveDraw(3, 0.1f, 10);
    EXPECT_EQ(randomDraw(click, 3, 0), 5);
}

// n = 4: list positions 1..16; the pick list holds the first half's even positions 2, 4, 6, 8,
// its odd positions, then the second half's even and odd positions (13: list position 9).
TEST_F(ClickTest, PickListLaysEvenThenOddPositionsOfEachHalf) {
    auto drawWithMarkedCell = [this](int marked, float pick) {
        for (int cell = 1; cell <= 16; ++cell) {
            random.numbers.push_back(cell == marked ? 0.9f : 0.0f);  // 3 in the marked cell
        }
        random.numbers.push_back(0.0f);
        random.numbers.push_back(pick);
        return randomDraw(click, 4, 0);
    };
    EXPECT_EQ(drawWithMarkedCell(2, 0.5f / 16), 3);
    EXPECT_EQ(drawWithMarkedCell(1, 4.5f / 16), 3);
    EXPECT_EQ(drawWithMarkedCell(10, 8.5f / 16), 3);
    EXPECT_EQ(drawWithMarkedCell(9, 12.5f / 16), 3);
    EXPECT_EQ(drawWithMarkedCell(9, 11.5f / 16), 0);
}

TEST_F(ClickTest, ExchangesSwapDifferentPositionsAndDrawAgainOnEqualOnes) {
    for (int cell = 1; cell <= 16; ++cell) {
        random.numbers.push_back(cell == 2 ? 0.9f : 0.0f);  // pick list position 1 holds 3
    }
    random.numbers.push_back(0.25f);                  // c = 2 exchanges
    random.numbers.insert(random.numbers.end(), {0.0f, 0.0f});  // 1 and 1: drawn again
    random.numbers.insert(random.numbers.end(), {0.0f, 0.5f});  // swap 1 and 2
    random.numbers.insert(random.numbers.end(), {0.5f, 0.5f});  // 2 and 2: drawn again
    random.numbers.insert(random.numbers.end(), {0.5f, 0.9f});  // 2 and 2 again
    random.numbers.insert(random.numbers.end(), {0.9f, 0.0f});  // swap 2 and 1 back
    random.numbers.push_back(1.5f / 16);                        // pick position 2
    EXPECT_EQ(randomDraw(click, 4, 0), 0);
    // 16 cells, c, five pairs of exchange draws, the pick.
    EXPECT_EQ(random.drawn, 16 + 1 + 2 * 5 + 1);
    EXPECT_TRUE(random.numbers.empty());
}

TEST_F(ClickTest, SingleExchangePositionDrawsNothingMore) {
    giveDraw(3, 0.5f);  // c = 1 for n = 3
    EXPECT_EQ(randomDraw(click, 3, 2), 3);
    EXPECT_EQ(random.drawn, 9 + 1 + 1);
}

}  // namespace
}  // namespace vekselgrad
