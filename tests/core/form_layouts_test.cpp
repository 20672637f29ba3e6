#include "ui/form_layouts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vekselgrad {
namespace {

struct DesignerColour {
    std::uint32_t bbggrr;
    Rgb rgb;
};

class DesignerColourTest : public testing::TestWithParam<DesignerColour> {};

TEST_P(DesignerColourTest, ReadsBlueInTheHighByteAndRedInTheLow) {
    EXPECT_EQ(fromBgr(GetParam().bbggrr), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(FormColours, DesignerColourTest,
                         testing::Values(DesignerColour{0x0000C000, Rgb{0, 192, 0}},
                                         DesignerColour{0x0000FFFF, Rgb{255, 255, 0}},
                                         DesignerColour{0x00FFFF00, Rgb{0, 255, 255}},
                                         DesignerColour{0x00008080, Rgb{128, 128, 0}},
                                         DesignerColour{0x00FFC0C0, Rgb{192, 192, 255}},
                                         DesignerColour{0x0000FF00, Rgb{0, 255, 0}}));

class EveryFormTest : public testing::TestWithParam<Form> {};

TEST_P(EveryFormTest, NamesEachControlOnce) {
    std::set<std::string_view> names;
    for (const auto& control : formLayout(GetParam()).controls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
    }
}

TEST_P(EveryFormTest, KeepsEveryControlInsideTheForm) {
    const auto& form = formLayout(GetParam());
    for (const auto& control : form.controls) {
        EXPECT_GE(control.left, 0) << control.name;
        EXPECT_GE(control.top, 0) << control.name;
        EXPECT_LE(control.left + control.width, form.width) << control.name;
        EXPECT_LE(control.top + control.height, form.height) << control.name;
    }
}

TEST_P(EveryFormTest, FindsItsControlsByName) {
    const auto& form = formLayout(GetParam());
    EXPECT_EQ(form.form, GetParam());
    for (const auto& control : form.controls) {
        EXPECT_EQ(findControl(form, control.name), &control);
    }
    EXPECT_EQ(findControl(form, "Command9"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Forms, EveryFormTest,
                         testing::Values(Form::Form4, Form::Form5, Form::Form6));

TEST(TradingFormLayout, HasTheBoxesTheGameWritesAndTheFiveButtons) {
    const auto& form = formLayout(Form::Form4);
    EXPECT_EQ(form.controls.size(), 51u);
    for (const char* box : {"Б(0)",   "Б(1)",   "saf(0)", "saf(1)", "saf(2)", "saf(3)", "baf(0)",
                            "baf(1)", "baf(7)", "Text5",  "Text9",  "Text10", "Text11", "Text12",
                            "Text17", "Text18", "Text21", "Text25", "FG(0)",  "FG(1)",  "FG(2)"}) {
        const auto* control = findControl(form, box);
        ASSERT_NE(control, nullptr) << box;
        EXPECT_EQ(control->kind, ControlKind::textBox) << box;
        EXPECT_EQ(control->caption, "") << box;
    }
    int buttons = 0;
    for (const auto& control : form.controls) {
        buttons += control.kind == ControlKind::button ? 1 : 0;
    }
    EXPECT_EQ(buttons, 5);
}

TEST(TradingFormLayout, KeepsTheBlanksOfTheCaptions) {
    const auto& form = formLayout(Form::Form4);
    EXPECT_EQ(findControl(form, "Text19")->caption, std::string(18, ' ') + "Эффект");
    EXPECT_EQ(findControl(form, "Text23")->caption, " МИРОВЫЕ НОВОСТИ");
    EXPECT_EQ(findControl(form, "Text(2)")->caption, "Сумма вложений: ");
    EXPECT_EQ(findControl(form, "Text1(0)")->caption, "Фирма:");
}

TEST(TradingFormLayout, DrawsBoxesWhiteOnBlackAndButtonsInTheirColours) {
    const auto& form = formLayout(Form::Form4);
    const auto* box = findControl(form, "saf(1)");
    EXPECT_EQ(box->background, (Rgb{0, 0, 0}));
    EXPECT_EQ(box->text, (Rgb{255, 255, 255}));
    EXPECT_EQ(box->font, (FontSpec{"Times New Roman", 14.25}));
    EXPECT_EQ(findControl(form, "Text23")->font, (FontSpec{"Small Fonts", 20.25, false, true}));
    const auto* sell = findControl(form, "Command1");
    EXPECT_EQ(sell->background, (Rgb{0, 192, 192}));
    EXPECT_EQ(sell->font, (FontSpec{"Monotype Corsiva", 20.25, false, true}));
    EXPECT_EQ(findControl(form, "Command5")->font, form.font);
}

TEST(ResultsFormLayout, PutsTheEightRowsUnderEachOther) {
    const auto& form = formLayout(Form::Form5);
    const char* values[] = {"Text2",  "Text4",  "Text6",  "Text8",
                            "Text10", "Text12", "Text14", "Text16"};
    for (int row = 0; row < 8; ++row) {
        const auto* value = findControl(form, values[row]);
        ASSERT_NE(value, nullptr);
        EXPECT_EQ(value->top, 720 + 480 * row);
        EXPECT_EQ(value->left, 2880);
        EXPECT_EQ(value->background, (Rgb{0, 255, 255}));
        EXPECT_EQ(value->caption, "");
    }
    EXPECT_EQ(findControl(form, "Text13")->caption, "Ваш рейтинг");
    EXPECT_EQ(findControl(form, "Text22")->font, (FontSpec{"Times New Roman", 12, true}));
}

}  // namespace
}  // namespace vekselgrad
