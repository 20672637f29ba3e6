#include "engine/market_words.h"

#include <array>

namespace vekselgrad {
namespace {

constexpr std::array<std::string_view, 7> words{
    "Катастрафическое", "Падающее",      "Изменчивое", "Стабильное",
    "Неопределённое",   "Поднимающееся", "Взлетающее"};

}  // namespace

std::optional<std::string_view> marketWord(double state) {
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (state == static_cast<double>(k)) {
            return words[k];
        }
    }
    return std::nullopt;
}

}  // namespace vekselgrad
