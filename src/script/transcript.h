#pragma once

#include <ostream>
#include <string_view>

#include "ui/ports.h"

// The JSON-Lines transcript of everything the player sees, one object a line, in the order
// things happen.
namespace vekselgrad::script {

class Transcript {
public:
    explicit Transcript(std::ostream& out) : out_(out) {}

    void gesture(std::string_view line);
    void box(Form form, std::string_view box, std::string_view text);
    void print(Form form, std::string_view line);
    void clear(Form form);
    void messageBox(std::string_view text, std::string_view caption, MessageIcon icon);
    void inputBox(std::string_view body, std::string_view caption, std::string_view answer,
                  bool cancelled);
    void show(Form form);
    void unload(Form form);
    void error(std::string_view message);

private:
    std::ostream& out_;
};

// A JSON string literal with its quotes; non-ASCII characters stay as they are.
std::string jsonString(std::string_view text);

}  // namespace vekselgrad::script
