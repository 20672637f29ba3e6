#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/ports.h"

// The three forms of the game as data: every control with its name, place, size, fixed caption,
// colours and font, as the forms were designed. Positions and sizes are in twips.
namespace vekselgrad {

// The screen shows 15 twips to a (device-independent) pixel.
inline constexpr int twipsPerPixel = 15;

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// A colour written as the forms' designer writes it, &H00BBGGRR&: blue in the high byte, red in
// the low one.
constexpr Rgb fromBgr(std::uint32_t bbggrr) {
    return Rgb{static_cast<std::uint8_t>(bbggrr & 0xFF),
               static_cast<std::uint8_t>((bbggrr >> 8) & 0xFF),
               static_cast<std::uint8_t>((bbggrr >> 16) & 0xFF)};
}

struct FontSpec {
    std::string_view face;
    double points = 0;
    bool bold = false;
    bool italic = false;
    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class ControlKind { textBox, button };

struct ControlLayout {
    std::string_view name;  // with its index for a control array: "saf(1)", "Text1(0)"
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    std::string_view caption;  // the fixed text; empty for a box that the game fills
    Rgb background;
    Rgb text;
    FontSpec font;
};

struct FormLayout {
    Form form;
    std::string_view caption;
    int width;  // the size of the whole form
    int height;
    std::optional<Rgb> background;  // none: the system's colour for windows
    FontSpec font;                  // the form's own font: printed lines and plain buttons
    std::span<const ControlLayout> controls;
};

// The layout of Form4 (trading), Form5 (results) or Form6 (analysis).
const FormLayout& formLayout(Form form);

// The control of a form with this name, or nothing.
const ControlLayout* findControl(const FormLayout& layout, std::string_view name);

}  // namespace vekselgrad
