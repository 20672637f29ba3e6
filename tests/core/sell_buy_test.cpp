#include <gtest/gtest.h>

#include "actions/buy.h"
#include "actions/sell.h"
#include "click_fixture.h"

namespace vekselgrad {
namespace {

// A sell or buy step on firm 2 (price 9, market state 3) with given random numbers: the one
// number of the buyers or the offered count, then a price step of +0.
class TradeStepTest : public ClickTest {
protected:
    TradeStepTest() {
        s.stockIndex = 175;
        s.firmOnOffer = 2;
        s.offer = s.firm(2);
        click.offerHolder = 2;
    }
    void giveCountAndSteadyPrice(float count) {
        random.numbers.push_back(count);
        giveDraw(3, 0.0f);
    }
    // The lowest buyers or offered count, then enough zeros for the price step of any market
    // state with no exchange.
    void giveLowestCountAndAnyPriceStep() {
        random.numbers.push_back(0.0f);
        random.numbers.insert(random.numbers.end(), 400, 0.0f);
    }
    void sell(std::deque<std::string> answers, float buyers = 0.0f) {
        giveCountAndSteadyPrice(buyers);
        window.answers = std::move(answers);
        sellStep(click);
    }
    void buy(std::deque<std::string> answers, float offered = 0.0f) {
        giveCountAndSteadyPrice(offered);
        window.answers = std::move(answers);
        buyStep(click);
    }
    std::vector<std::string> inputs() const {
        std::vector<std::string> out;
        for (const auto& e : window.events) {
            if (e.starts_with("input ")) {
                out.push_back(e);
            }
        }
        return out;
    }
};

struct Answer {
    std::string typed;
    std::vector<std::string> messages;  // shown before the question is asked again
    double amount;                      // the amount traded (after a final "0" when refused)
};

class SellAnswerTest : public TradeStepTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(SellAnswerTest, TestsTheAnswerInItsOrder) {
    const auto& a = GetParam();
    s.offer.sharesHeld = 20;
    sell({a.typed, "0"});
    EXPECT_EQ(inputs().front(), "input Есть покупатели на  50 акций по цене  9 руб./шт. | "
                                "Сколько будем продавать? -> " + a.typed);
    std::vector<std::string> expected;
    for (const auto& m : a.messages) {
        expected.push_back("msgbox " + m + " | ВЕКСЕЛЬГРАД");
    }
    EXPECT_EQ(window.messages(), expected);
    EXPECT_EQ(double(s.firm(2).sharesHeld), 20 - a.amount);
    EXPECT_EQ(double(s.cash), 15000 + 9 * a.amount);
    EXPECT_EQ(double(s.sharesTraded), a.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SellAnswerTest,
    ::testing::Values(
        Answer{"51", {"Вам сколько повторять, есть только покупатели на  50, а не на 51"}, 0},
        Answer{"-3", {}, 0}, Answer{"21", {"Единственная просьба, хватит мухлевать."}, 0},
        Answer{"", {}, 0}, Answer{"abc", {}, 0}, Answer{" 5", {}, 0}, Answer{"+5", {}, 0},
        Answer{"5 штук", {}, 5}, Answer{"1.5", {}, 1}, Answer{"1 5", {}, 15},
        Answer{"20", {}, 20}));

class BuyAnswerTest : public TradeStepTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(BuyAnswerTest, TestsTheAnswerInItsOrder) {
    const auto& a = GetParam();
    buy({a.typed, "0"});
    EXPECT_EQ(inputs().front(),
              "input Вам предлагается  25 акций по  9 руб./шт. | Сколько? -> " + a.typed);
    std::vector<std::string> expected;
    for (const auto& m : a.messages) {
        expected.push_back("msgbox " + m + " | ВЕКСЕЛЬГРАД");
    }
    EXPECT_EQ(window.messages(), expected);
    EXPECT_EQ(double(s.firm(2).sharesHeld), a.amount);
    EXPECT_EQ(double(s.cash), 15000 - 9 * a.amount);
    EXPECT_EQ(double(s.firm(2).purchaseCost), 9 * a.amount);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BuyAnswerTest,
    ::testing::Values(
        Answer{"26", {"Товарищ, вам русским языком сказали  25 акций, а не 26"}, 0},
        Answer{"-3", {"Товарищ, вам русским языком сказали  25 акций, а не -3"}, 0},
        Answer{"", {}, 0}, Answer{"x", {}, 0}, Answer{" 5", {}, 0}, Answer{"5 штук", {}, 5},
        Answer{"1.5", {}, 1}, Answer{"1 5", {}, 15}, Answer{"25", {}, 25}));

TEST_F(TradeStepTest, SellingAllResetsThePurchaseFiguresAndLevelThreeCountsTwice) {
    s.level = 3;
    s.offer.sharesHeld = 10;
    s.offer.sharesBought = 10;
    s.offer.purchaseCost = 125;
    s.soldSinceLastBuy = 4;
    sell({"10"});
    EXPECT_EQ(double(s.sharesTraded), 20);
    EXPECT_EQ(double(s.firm(2).sharesBought), 0);
    EXPECT_EQ(double(s.firm(2).purchaseCost), 0);
    EXPECT_EQ(double(s.soldSinceLastBuy), 0);
    EXPECT_EQ(double(s.firm(2).proceeds), 90);
    EXPECT_TRUE(inputs().front().starts_with("input Есть покупатели на  16 акций"));
}

TEST_F(TradeStepTest, PriceFallingToZeroOrBelowIsQuotedAtOne) {
    s.offer.marketState = 0;
    s.offer.price = 3;
    random.numbers.push_back(0.0f);
    for (int i = 0; i < 100; ++i) {
        random.numbers.push_back(0.0f);
    }
    random.numbers.insert(random.numbers.end(), {0.0f, 0.0f});
    window.answers = {"0"};
    sellStep(click);
    EXPECT_EQ(double(s.firm(2).price), 1);
}

struct SellCounters {
    double marketState, held, price, day, part, level, cash;
    double smallCheap, friday, missedBuy;
};

class SellCounterTest : public TradeStepTest,
                        public ::testing::WithParamInterface<SellCounters> {};

TEST_P(SellCounterTest, CountsTheSellClickBeforeTheSale) {
    const auto& c = GetParam();
    s.offer.marketState = c.marketState;
    s.offer.sharesHeld = c.held;
    s.offer.price = c.price;
    s.day = c.day;
    s.part = c.part;
    s.level = c.level;
    s.cash = c.cash;
    giveLowestCountAndAnyPriceStep();
    window.answers = {"0"};
    sellStep(click);
    EXPECT_EQ(double(s.smallCheapSales), c.smallCheap);
    EXPECT_EQ(double(s.fridaySales), c.friday);
    EXPECT_EQ(double(s.missedBuyChances), c.missedBuy);
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, SellCounterTest,
    ::testing::Values(SellCounters{2, 59, 9, 1, 1, 1, 0, 1, 0, 0},
                      SellCounters{2, 60, 9, 1, 1, 1, 0, 0, 0, 0},
                      SellCounters{2, 59, 10, 1, 1, 1, 0, 0, 0, 0},
                      SellCounters{5, 300, 9, 5, 2, 1, 0, 0, 2, 0},
                      SellCounters{5, 300, 9, 5, 1, 1, 0, 0, 1, 0},
                      SellCounters{5, 200, 9, 5, 3, 1, 0, 0, 1, 0},
                      SellCounters{4, 300, 9, 5, 2, 1, 0, 0, 0, 0},
                      SellCounters{5, 9, 9, 1, 1, 1, -14999, 0, 0, 1},
                      SellCounters{5, 9, 9, 1, 1, 1, -15000, 0, 0, 0},
                      SellCounters{6, 9, 9, 1, 1, 3, -4999, 0, 0, 1},
                      SellCounters{5, 10, 9, 1, 1, 1, 0, 0, 0, 0}));

struct BuyCounters {
    double marketState, held, price, level, cash;
    double spareCash, cheapVolatile, fallingMarket, expensiveFalling, concentrated;
};

class BuyCounterTest : public TradeStepTest, public ::testing::WithParamInterface<BuyCounters> {};

TEST_P(BuyCounterTest, CountsTheBuyClickAtTheStoredPrice) {
    const auto& c = GetParam();
    s.offer.marketState = c.marketState;
    s.offer.sharesHeld = c.held;
    s.firm(2).price = c.price;  // the buy step reloads the offer price from the firm record
    s.offer.price = 999;
    s.level = c.level;
    s.cash = c.cash;
    giveLowestCountAndAnyPriceStep();
    window.answers = {"0"};
    buyStep(click);
    EXPECT_EQ(double(s.spareCashBuys), c.spareCash);
    EXPECT_EQ(double(s.cheapVolatileBuys), c.cheapVolatile);
    EXPECT_EQ(double(s.fallingMarketBuys), c.fallingMarket);
    EXPECT_EQ(double(s.expensiveFallingBuys), c.expensiveFalling);
    EXPECT_EQ(double(s.concentratedBuys), c.concentrated);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, BuyCounterTest,
                         ::testing::Values(BuyCounters{3, 0, 9, 1, 15000, 0, 0, 0, 0, 0},
                                           BuyCounters{3, 0, 9, 1, 15001, 1, 0, 0, 0, 0},
                                           BuyCounters{3, 0, 9, 2, 7501, 1, 0, 0, 0, 0},
                                           BuyCounters{2, 0, 3, 1, 0, 0, 1, 0, 0, 0},
                                           BuyCounters{2, 0, 4, 1, 0, 0, 0, 0, 0, 0},
                                           BuyCounters{2, 1, 3, 1, 0, 0, 0, 0, 0, 0},
                                           BuyCounters{1, 0, 16, 1, 0, 0, 0, 0, 1, 0},
                                           BuyCounters{1, 0, 15, 1, 0, 0, 0, 1, 0, 0},
                                           BuyCounters{1, 0, 5, 1, 0, 0, 0, 0, 0, 0},
                                           BuyCounters{0, 0, 6, 1, 0, 0, 0, 1, 0, 0},
                                           BuyCounters{3, 451, 16, 1, 0, 0, 0, 0, 0, 1},
                                           BuyCounters{3, 450, 16, 1, 0, 0, 0, 0, 0, 0},
                                           BuyCounters{3, 151, 16, 3, 0, 0, 0, 0, 0, 1},
                                           BuyCounters{3, 451, 15, 1, 0, 0, 0, 0, 0, 0}));

struct DebtCase {
    const char* name;
    double level, cash, holdingValue, bankMoney;
    const char* answer;
    bool refused;
};

class DebtLimitTest : public TradeStepTest, public ::testing::WithParamInterface<DebtCase> {};

TEST_P(DebtLimitTest, TestsTheCashBeforeThePurchase) {
    const auto& c = GetParam();
    s.level = c.level;
    s.cash = c.cash;
    s.bankMoney = c.bankMoney;
    s.firm(5).sharesHeld = c.holdingValue / 13;  // firm 5 at price 13
    random.numbers.push_back(0.0f);
    random.numbers.insert(random.numbers.end(), 11, 0.0f);
    window.answers = {c.answer};
    buyStep(click);
    const double bought = std::stod(c.answer);
    EXPECT_EQ(double(s.sharesTraded), bought * (c.level == 3 ? 2 : 1));
    EXPECT_EQ(double(s.debtLimitRefusals), c.refused ? 1 : 0);
    if (c.refused) {
        EXPECT_EQ(window.messages(),
                  std::vector<std::string>{"msgbox Лимит задолженности превышен |  | information"});
        EXPECT_EQ(double(s.debtLimitFlag), 2);
        EXPECT_EQ(double(s.firm(2).sharesHeld), 0);
        EXPECT_EQ(double(s.cash), c.cash);
    } else {
        EXPECT_TRUE(window.messages().empty());
        EXPECT_EQ(double(s.cash), c.cash - 9 * bought);
        EXPECT_TRUE(s.debtLimitFlag.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, DebtLimitTest,
    ::testing::Values(DebtCase{"levelThreeQuarter", 3, -300, 1001, 0, "10", true},
                      DebtCase{"levelTwoHalf", 2, -300, 1001, 0, "10", false},
                      DebtCase{"levelOneHalf", 1, -300, 1001, 0, "10", false},
                      DebtCase{"exactlyHalf", 1, -500.5, 1001, 0, "0", false},
                      DebtCase{"justOverHalf", 1, -500.75, 1001, 0, "0", true},
                      DebtCase{"bankMoneyCounts", 1, -600, 1001, 300, "5", false},
                      DebtCase{"farAboveCash", 1, 10, 0, 0, "25", false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(TradeStepTest, BuyingNothingStillMovesAndStoresThePrice) {
    s.offer.marketState = 6;
    s.soldSinceLastBuy = 7;
    random.numbers.push_back(0.0f);
    random.numbers.insert(random.numbers.end(), 100, 0.95f);  // +8 for every cell
    random.numbers.insert(random.numbers.end(), {0.0f, 0.0f});
    window.answers = {"0"};
    buyStep(click);
    EXPECT_EQ(double(s.firm(2).price), 17);
    EXPECT_EQ(double(s.soldSinceLastBuy), 0);
}

TEST_F(TradeStepTest, RefusedPurchaseKeepsTheFirmsOldPrice) {
    s.cash = -1000;
    s.offer.marketState = 6;
    random.numbers.push_back(0.0f);
    random.numbers.insert(random.numbers.end(), 100, 0.95f);
    random.numbers.insert(random.numbers.end(), {0.0f, 0.0f});
    window.answers = {"10"};
    buyStep(click);
    EXPECT_EQ(double(s.offer.price), 17);
    EXPECT_EQ(double(s.firm(2).price), 9);
}

TEST_F(TradeStepTest, ZeroBoughtWhileHoldingAFallingFirmIsAnError) {
    s.offer.marketState = 1;
    s.offer.sharesHeld = 11;
    s.firm(2).price = 20;  // quoted 20 - 2 = 18
    random.numbers.push_back(0.0f);
    random.numbers.insert(random.numbers.end(), 66, 0.0f);
    window.answers = {"0"};
    buyStep(click);
    EXPECT_EQ(double(s.fallingHoldNoBuy), 1);
}

}  // namespace
}  // namespace vekselgrad
