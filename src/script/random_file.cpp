#include "script/random_file.h"

#include <cerrno>
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
        // strtof rounds the decimal text straight to the nearest single-precision value.
        const bool isDecimal = parseDecimal(word).has_value();
        const float number = isDecimal ? strtof_l(word.c_str(), nullptr, cLocale) : -1.0f;
        if (!(number >= 0.0f && number < 1.0f)) {
            throw ScriptError("the --random file " + file.string() + " holds '" + word +
                              "', not a number in [0, 1)");
        }
        numbers_.push_back(number);
    }
}

float RandomFile::next() {
    if (position_ >= numbers_.size()) {
        throw RandomExhausted();
    }
    return numbers_[position_++];
}

}  // namespace vekselgrad::script
