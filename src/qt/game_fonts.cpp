#include "qt/game_fonts.h"

#include <array>
#include <cmath>
#include <utility>

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

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString substituteFace(std::string_view designedFace) {
    for (const auto& [designed, standIn] : standIns) {
        if (designed == designedFace) {
            return fromView(standIn);
        }
    }
    return fromView(designedFace);
}

QFont gameFont(const FontSpec& spec) {
    QFont font;
    font.setFamilies(QStringList{fromView(spec.face), substituteFace(spec.face)});
    font.setPixelSize(static_cast<int>(std::lround(spec.points * pixelsPerPoint)));
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

}  // namespace vekselgrad::desktop
