// Any text as a typed answer. readNumber never fails; it is readNumberIfAny with 0 for a text
// without digits; it never gives NaN; and as blanks, tabs and line feeds are skipped wherever
// they stand, taking them out of the text changes nothing.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "ui/number_text.h"

namespace {

bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            kept += c;
        }
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = vekselgrad::readNumber(text);
    const auto found = vekselgrad::readNumberIfAny(text);
    if (std::isnan(value) || !same(value, found.value_or(0.0))) {
        __builtin_trap();
    }
    const auto compact = vekselgrad::readNumberIfAny(withoutBlanks(text));
    if (found.has_value() != compact.has_value() || (found && !same(*found, *compact))) {
        __builtin_trap();
    }
    return 0;
}
