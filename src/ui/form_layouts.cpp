#include "ui/form_layouts.h"

#include <algorithm>
#include <array>

namespace vekselgrad {
namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

// The font of the forms themselves and of buttons drawn without a font of their own.
constexpr FontSpec formFont{"MS Sans Serif", 8.25};

// --- Form4, the trading form ---------------------------------------------------------------

constexpr FontSpec tradingBoxFont{"Times New Roman", 14.25};
constexpr FontSpec tradingButtonFont{"Monotype Corsiva", 20.25, false, true};
constexpr FontSpec newsTitleFont{"Small Fonts", 20.25, false, true};

// A box of the trading form: white text on black.
constexpr ControlLayout tradingBox(std::string_view name, int left, int top, int width, int height,
                                   std::string_view caption = {}, FontSpec font = tradingBoxFont) {
    return {name, ControlKind::textBox, left, top, width, height, caption, black, white, font};
}

constexpr ControlLayout tradingButton(std::string_view name, int left, int top, int width,
                                      int height, std::string_view caption, Rgb background,
                                      FontSpec font = tradingButtonFont) {
    return {name, ControlKind::button, left, top, width, height, caption, background, black, font};
}

constexpr std::array tradingControls{
    tradingBox("Text2", 4200, 0, 855, 375, "День: "),
    tradingBox("Б(0)", 5040, 0, 375, 375),
    tradingBox("Text3", 5520, 0, 975, 375, "Часть: "),
    tradingBox("Б(1)", 6480, 0, 375, 375),

    tradingBox("Text1(0)", 120, 480, 2775, 345, "Фирма:"),
    tradingBox("saf(1)", 2880, 480, 8415, 345),

    tradingBox("Text(1)", 120, 960, 2775, 375, "Кол. акций: "),
    tradingBox("saf(0)", 2880, 960, 1215, 375),
    tradingBox("baf(9)", 4080, 960, 1095, 375, "шт."),
    tradingBox("А(1)", 5280, 960, 4095, 375, "Покупная цена"),
    tradingBox("Text25", 9360, 960, 1215, 375),
    tradingBox("Text29", 10560, 960, 735, 375, "руб."),

    tradingBox("Text(2)", 120, 1440, 2775, 375, "Сумма вложений: "),
    tradingBox("saf(2)", 2880, 1440, 1215, 375),
    tradingBox("baf(10)", 4080, 1440, 1095, 375, "руб."),
    tradingBox("Text9", 5280, 1440, 1335, 375),
    tradingBox("Text7", 6600, 1440, 2775, 375, "от фирмы"),
    tradingBox("Text11", 9360, 1440, 1215, 375),
    tradingBox("Text6", 10560, 1440, 735, 375, "руб."),

    tradingBox("Text(0)", 120, 1920, 2775, 375, "Состояние рынка: "),
    tradingBox("saf(3)", 2880, 1920, 2295, 375),
    tradingBox("Text8", 5280, 1920, 1335, 375, "Итоговые"),
    tradingBox("Text10", 6600, 1920, 2775, 375),
    tradingBox("Text12", 9360, 1920, 1215, 375),
    tradingBox("Text13", 10560, 1920, 735, 375, "руб."),

    tradingBox("baf(1)", 120, 2400, 2775, 375),
    tradingBox("baf(0)", 2880, 2400, 1215, 375),
    tradingBox("baf(12)", 4080, 2400, 1095, 375, "руб."),
    tradingBox("Text15", 5280, 2400, 4095, 375, "Тренд данной фирмы"),
    tradingBox("Text17", 9360, 2400, 1935, 375),

    tradingBox("baf(6)", 120, 2880, 2775, 375, "Цена:"),
    tradingBox("baf(7)", 2880, 2880, 1215, 375),
    tradingBox("baf(11)", 4080, 2880, 1095, 375, "руб."),
    tradingBox("Text4", 5280, 2880, 4095, 375, "Сумма денег в банке"),
    tradingBox("Text5", 9360, 2880, 1215, 375),
    tradingBox("Text14", 10560, 2880, 735, 375, "руб."),

    tradingBox("Text16", 2760, 3360, 2775, 375, "Индекс акций:"),
    tradingBox("Text18", 5520, 3360, 1215, 375),
    tradingBox("Text20", 6720, 3360, 255, 375, "("),
    tradingBox("Text21", 6960, 3360, 735, 375),
    tradingBox("Text22", 7680, 3360, 255, 375, ")"),

    tradingBox("Text23", 3240, 3840, 5295, 660, " МИРОВЫЕ НОВОСТИ", newsTitleFont),
    tradingBox("FG(0)", 120, 4680, 11655, 495),
    tradingBox("FG(1)", 120, 5400, 11655, 495),
    tradingBox("Text19", 4560, 6000, 3855, 435, "                  Эффект"),
    tradingBox("FG(2)", 120, 6600, 11655, 495),

    tradingButton("Command2", 600, 7320, 3495, 495, "Скупка", Rgb{192, 192, 0}),
    tradingButton("Command1", 4440, 7320, 3495, 495, "Продажа", Rgb{0, 192, 192}),
    tradingButton("Command3", 8280, 7320, 3375, 495, "Неучастие", Rgb{192, 0, 192}),
    tradingButton("Command4", 8520, 7920, 3135, 495, "Вложить в банк", Rgb{255, 128, 128}),
    tradingButton("Command5", 4920, 8040, 2415, 375, "Нажми, чтобы начать снова",
                  Rgb{128, 128, 255}, formFont),
};

// --- Form5, the results form ---------------------------------------------------------------

constexpr Rgb resultsLabelColour = fromBgr(0x0000FFFF);
constexpr Rgb resultsValueColour = fromBgr(0x00FFFF00);
constexpr FontSpec resultsLabelFont{"Monotype Corsiva", 14.25, false, true};
constexpr FontSpec resultsValueFont{"Times New Roman", 14.25};
constexpr FontSpec resultsUnitFont{"Times New Roman", 12, true};

// The eight rows of the balance sheet: a label, the figure and its unit.
constexpr int resultsRowTop(int row) {
    return 720 + 480 * row;
}
constexpr int resultsRowHeight = 375;

constexpr ControlLayout resultsBox(std::string_view name, int left, int width, int row,
                                   std::string_view caption, Rgb background, FontSpec font) {
    return {.name = name,
            .kind = ControlKind::textBox,
            .left = left,
            .top = resultsRowTop(row),
            .width = width,
            .height = resultsRowHeight,
            .caption = caption,
            .background = background,
            .text = black,
            .font = font};
}

constexpr ControlLayout resultsLabel(std::string_view name, int row, std::string_view caption) {
    return resultsBox(name, 360, 2535, row, caption, resultsLabelColour, resultsLabelFont);
}

constexpr ControlLayout resultsValue(std::string_view name, int row) {
    return resultsBox(name, 2880, 1935, row, {}, resultsValueColour, resultsValueFont);
}

constexpr ControlLayout resultsUnit(std::string_view name, int row, std::string_view caption) {
    return resultsBox(name, 4800, 615, row, caption, resultsLabelColour, resultsUnitFont);
}

constexpr std::array resultsControls{
    resultsLabel("Text1", 0, "Налоги с оборота"),
    resultsValue("Text2", 0),
    resultsUnit("Text17", 0, "руб."),
    resultsLabel("Text3", 1, "Маклерские доходы"),
    resultsValue("Text4", 1),
    resultsUnit("Text18", 1, "руб."),
    resultsLabel("Text5", 2, "Вклад + проценты"),
    resultsValue("Text6", 2),
    resultsUnit("Text19", 2, "руб."),
    resultsLabel("Text7", 3, "Проценты"),
    resultsValue("Text8", 3),
    resultsUnit("Text20", 3, "руб."),
    resultsLabel("Text9", 4, "Прибыль"),
    resultsValue("Text10", 4),
    resultsUnit("Text21", 4, "руб."),
    resultsLabel("Text11", 5, "Сумма авуаров"),
    resultsValue("Text12", 5),
    resultsUnit("Text22", 5, "руб."),
    resultsLabel("Text13", 6, "Ваш рейтинг"),
    resultsValue("Text14", 6),
    resultsUnit("Text23", 6, ""),
    resultsLabel("Text15", 7, "Высший рейтинг"),
    resultsValue("Text16", 7),
    resultsUnit("Text24", 7, ""),

    ControlLayout{"Command2", ControlKind::button, 360, 6480, 11175, 735,
                  "Нажми, чтобы получить информацию о своих достижениях", fromBgr(0x00008080),
                  black, FontSpec{"Times New Roman", 20.25, true}},
    ControlLayout{"Command1", ControlKind::button, 360, 7560, 11175, 615, "Продолжение",
                  fromBgr(0x00FFC0C0), black, FontSpec{"Times New Roman", 20.25}},
};

// --- Form6, the tactical analysis ----------------------------------------------------------

constexpr std::array analysisControls{
    ControlLayout{"Text1", ControlKind::textBox, 2400, 120, 6615, 375,
                  "                       ТАКТИЧЕСКИЙ АНАЛИЗ", fromBgr(0x0000FF00), black,
                  FontSpec{"Times New Roman", 14.25}},
};

constexpr FormLayout tradingForm{.form = Form::Form4,
                                 .caption = "Form4",
                                 .width = 11880,
                                 .height = 8595,
                                 .background = Rgb{0, 192, 0},
                                 .font = formFont,
                                 .controls = tradingControls};
constexpr FormLayout resultsForm{.form = Form::Form5,
                                 .caption = "Form1",
                                 .width = 11880,
                                 .height = 8595,
                                 .background = fromBgr(0x0000C000),
                                 .font = formFont,
                                 .controls = resultsControls};
constexpr FormLayout analysisForm{.form = Form::Form6,
                                  .caption = "Form1",
                                  .width = 11580,
                                  .height = 7815,
                                  .background = std::nullopt,
                                  .font = formFont,
                                  .controls = analysisControls};

}  // namespace

const FormLayout& formLayout(Form form) {
    switch (form) {
        case Form::Form5:
            return resultsForm;
        case Form::Form6:
            return analysisForm;
        case Form::Form4:
            break;
    }
    return tradingForm;
}

const ControlLayout* findControl(const FormLayout& layout, std::string_view name) {
    const auto found = std::ranges::find(layout.controls, name, &ControlLayout::name);
    return found == layout.controls.end() ? nullptr : &*found;
}

}  // namespace vekselgrad
