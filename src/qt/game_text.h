#pragma once

#include <QString>
#include <string_view>

namespace vekselgrad::desktop {

// A text of the game (UTF-8) as Qt shows it.
inline QString gameText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace vekselgrad::desktop
