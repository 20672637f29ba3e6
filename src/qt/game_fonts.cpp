#include "qt/game_fonts.h"

#include <array>
#include <cmath>
#include <utility>

#include "qt/game_text.h"

namespace vekselgrad::desktop {
namespace {

// Designed face -> stand-in from fonts-liberation and fonts-urw-base35; each has Cyrillic.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> standIns{{
    {"Times New Roman", "Liberation Serif"},  // the same widths of letters
    {"Monotype Corsiva", "Z003"},             // a script italic
    {"Small Fonts", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
}};

constexpr double pixelsPerPoint = 4.0 / 3.0;

}  // namespace

QString substituteFace(std::string_view designedFace) {
    for (const auto& [designed, standIn] : standIns) {
        if (designed == designedFace) {
            return gameText(standIn);
        }
    }
    return gameText(designedFace);
}

QFont gameFont(const FontSpec& spec) {
    QFont font;
    font.setFamilies(QStringList{gameText(spec.face), substituteFace(spec.face)});
    font.setPixelSize(static_cast<int>(std::lround(spec.points * pixelsPerPoint)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

}  // namespace vekselgrad::desktop
