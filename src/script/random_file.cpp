#include "script/random_file.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <locale.h>

#include "script/gesture_script.h"
#include "state/decimal_text.h"

namespace vekselgrad::script {

RandomFile::RandomFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw ScriptError("cannot read the --random file " + file.string());
    }
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    std::string word;
    while (in >> word) {
        const auto value = parseDecimal(word);
        if (!value || !(*value >= 0.0 && *value < 1.0)) {
            throw ScriptError("the --random file " + file.string() + " holds '" + word +
                              "', not a decimal number in [0, 1)");
        }
        // strtof rounds the decimal text straight to the nearest single-precision value; a
        // number just below 1 may round to 1, which is kept below 1 as the source promises.
        std::string text = word;
        for (char& c : text) {
            if (c == 'D' || c == 'd') {
                c = 'E';
            }
        }
        const float number = strtof_l(text.c_str(), nullptr, cLocale);
        numbers_.push_back(number < 1.0f ? number : std::nextafter(1.0f, 0.0f));
    }
}

float RandomFile::next() {
    if (position_ >= numbers_.size()) {
        throw RandomExhausted();
    }
    return numbers_[position_++];
}

}  // namespace vekselgrad::script
