#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// One line of a state file: values separated by commas, texts between double quotes in
// Windows-1251, numbers as plain decimal text, the empty value as nothing, CR LF at the end.
namespace vekselgrad {

struct LineValue {
    enum class Kind { empty, number, text };
    Kind kind = Kind::empty;
    double number = 0.0;
    std::string text;  // UTF-8; for a value that is neither number nor quoted text, as it stands
    bool quoted = false;
};

// Reads the values of a file's bytes one after another. A line end separates values like a
// comma, so a short line goes on with the next line.
class StateLineReader {
public:
    explicit StateLineReader(std::string_view bytes) : bytes_(bytes) {}

    // The next value, or nothing when the end of the file has been reached.
    std::optional<LineValue> next();

private:
    void skipDelimiter();
    LineValue quotedText();
    LineValue plainValue();

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

// Appends values to one line in the file's bytes.
class StateLineWriter {
public:
    void number(double value);
    void emptyValue();
    void text(std::string_view utf8);
    // The finished line with its CR LF.
    std::string finish();

private:
    void separate();

    std::string line_;
    bool first_ = true;
};

}  // namespace vekselgrad
