#include "state/state_line.h"

#include "state/decimal_text.h"
#include "state/text_encoding.h"

namespace vekselgrad {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::optional<LineValue> StateLineReader::next() {
    if (pos_ >= bytes_.size()) {
        return std::nullopt;
    }
    while (pos_ < bytes_.size() && (bytes_[pos_] == ' ' || bytes_[pos_] == '\t')) {
        ++pos_;
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == '"') {
        return quotedText();
    }
    return plainValue();
}

// Moves past the comma or the line end (CR LF, CR or LF) that ends a value.
void StateLineReader::skipDelimiter() {
    if (pos_ >= bytes_.size()) {
        return;
    }
    if (bytes_[pos_] == ',') {
        ++pos_;
        return;
    }
    if (bytes_[pos_] == '\r') {
        ++pos_;
    }
    if (pos_ < bytes_.size() && bytes_[pos_] == '\n') {
        ++pos_;
    }
}

// A text runs to the next double quote (commas and blanks belong to it), or at the most to the
// end of its line; whatever stands between the closing quote and the next delimiter is dropped.
LineValue StateLineReader::quotedText() {
    ++pos_;
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != '"' && !isLineEnd(bytes_[pos_])) {
        ++pos_;
    }
    LineValue value{LineValue::Kind::text, 0.0, cp1251ToUtf8(bytes_.substr(start, pos_ - start)),
                    true};
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
        ++pos_;
    }
    skipDelimiter();
    return value;
}

// Any other value runs to the next comma or line end, trailing blanks dropped: a number if it
// reads as one, the empty value if nothing stands there, a text otherwise.
LineValue StateLineReader::plainValue() {
    const std::size_t start = pos_;
    while (pos_ < bytes_.size() && bytes_[pos_] != ',' && !isLineEnd(bytes_[pos_])) {
        ++pos_;
    }
    std::string_view token = bytes_.substr(start, pos_ - start);
    skipDelimiter();
    while (!token.empty() && (token.back() == ' ' || token.back() == '\t')) {
        token.remove_suffix(1);
    }
    if (token.empty()) {
        return LineValue{};
    }
    if (const auto number = parseDecimal(token)) {
        return LineValue{LineValue::Kind::number, *number, {}, false};
    }
    return LineValue{LineValue::Kind::text, 0.0, cp1251ToUtf8(token), false};
}

void StateLineWriter::separate() {
    if (!first_) {
        line_ += ',';
    }
    first_ = false;
}

void StateLineWriter::number(double value) {
    separate();
    line_ += decimalText(value);
}

void StateLineWriter::emptyValue() { separate(); }

void StateLineWriter::text(std::string_view utf8) {
    separate();
    line_ += '"';
    line_ += utf8ToCp1251(utf8);
    line_ += '"';
}

std::string StateLineWriter::finish() {
    line_ += "\r\n";
    return std::move(line_);
}

}  // namespace vekselgrad
