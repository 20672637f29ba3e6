#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vekselgrad {
namespace {

struct ShownNumber {
    double value;
    const char* plain;   // with a comma as the user's separator
    const char* signed_;
};

class NumberTextTest : public testing::TestWithParam<ShownNumber> {};

TEST_P(NumberTextTest, ShowsTheDigitsOfTheNumber) {
    const auto& c = GetParam();
    EXPECT_EQ(plainText(c.value, ','), c.plain);
    EXPECT_EQ(signedText(c.value), c.signed_);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NumberTextTest,
    testing::Values(ShownNumber{7500, "7500", " 7500"}, ShownNumber{0, "0", " 0"},
                    ShownNumber{-0.0, "0", " 0"}, ShownNumber{5, "5", " 5"},
                    ShownNumber{-5, "-5", "-5"}, ShownNumber{2.5, "2,5", " 2.5"},
                    ShownNumber{0.5, "0,5", " .5"}, ShownNumber{-0.25, "-0,25", "-.25"},
                    ShownNumber{12.75, "12,75", " 12.75"}, ShownNumber{0.3, "0,3", " .3"},
                    ShownNumber{-301, "-301", "-301"},
                    ShownNumber{1.0 / 3.0, "0,333333333333333", " .333333333333333"},
                    ShownNumber{123456789.123456789, "123456789,123457", " 123456789.123457"},
                    ShownNumber{1e15, "1E+15", " 1E+15"}, ShownNumber{1e-5, "1E-05", " 1E-05"}));

TEST(NumberText, PlainTextUsesTheGivenSeparator) {
    EXPECT_EQ(plainText(12.5, '.'), "12.5");
    EXPECT_EQ(plainText(12.5, ','), "12,5");
}

struct TypedAnswer {
    const char* text;
    double value;
};

class ReadNumberTest : public testing::TestWithParam<TypedAnswer> {};

TEST_P(ReadNumberTest, ReadsTheNumberTheAnswerBeginsWith) {
    const auto& c = GetParam();
    EXPECT_EQ(readNumber(c.text), c.value) << "answer '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadNumberTest,
    testing::Values(TypedAnswer{"15", 15}, TypedAnswer{"1 5", 15}, TypedAnswer{" 5", 5},
                    TypedAnswer{"1\t5", 15}, TypedAnswer{"1\n5", 15}, TypedAnswer{"1\r5", 1},
                    TypedAnswer{"- 3", -3}, TypedAnswer{"+7", 7}, TypedAnswer{"1.5", 1.5},
                    TypedAnswer{"1.2.3", 1.2}, TypedAnswer{"12,5", 12},
                    TypedAnswer{"5 штук", 5}, TypedAnswer{"abc", 0}, TypedAnswer{"", 0},
                    TypedAnswer{".5", 0.5}, TypedAnswer{"1e3", 1000},
                    TypedAnswer{"1D2", 100}, TypedAnswer{"2E", 2}, TypedAnswer{"2E+", 2},
                    TypedAnswer{"2e-1", 0.2}, TypedAnswer{"1 e 2", 100},
                    TypedAnswer{"&H1F", 31}, TypedAnswer{"&hff", 255},
                    TypedAnswer{"&HFFFF", 65535}, TypedAnswer{"&O17", 15},
                    TypedAnswer{"&O9", 0}, TypedAnswer{"&", 0}, TypedAnswer{"--5", 0}));

TEST(ReadNumber, FindsNoDigitInTextsWithoutOne) {
    for (const char* text : {"", "abc", "-", ".", "+.", "&H", "e5"}) {
        EXPECT_FALSE(readNumberIfAny(text).has_value()) << text;
    }
    EXPECT_EQ(readNumberIfAny("0"), 0.0);
}

TEST(ReadNumber, HugeExponentReadsAsInfinity) {
    EXPECT_TRUE(std::isinf(readNumber("1e999999")));
}

}  // namespace
}  // namespace vekselgrad
