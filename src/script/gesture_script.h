#pragma once

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A script of player gestures, one a line, in the order the player makes them.
namespace vekselgrad::script {

enum class GestureKind {
    newGame,       // new: Command5 on Form4
    sell,          // Command1
    buy,           // Command2
    skip,          // Command3
    bank,          // Command4
    type,          // type TEXT into the open input box and press OK
    cancel,        // Cancel in the open input box
    achievements,  // Command2 on Form5
    continueOn,    // continue: Command1 on Form5
    click,         // a click on Form6's surface
    doubleClick,   // dblclick on Form6
    unknown,       // a line that is no gesture: the script stops when play reaches it
};

struct Gesture {
    GestureKind kind;
    std::string text;  // what `type` types
    std::string line;  // the script line as written
    int lineNumber = 0;
};

// A script that cannot be played: a gesture that is not in the table or does not fit the open
// window, or the script ending while a window waits. The message names the script line.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the whole script; empty lines and lines starting with '#' are skipped. Lines end with LF;
// a CR before it (a script saved with CR LF line ends) is not part of the line. A line that is no
// gesture is kept as such, so that everything before it is still played.
std::vector<Gesture> readScript(std::istream& in);

// Stops the script at a gesture that is no gesture, or that does not fit the open window.
[[noreturn]] void rejectGesture(const Gesture& gesture, std::string_view openWindow);

// The gestures in order, handed out as the game asks for them.
class GestureQueue {
public:
    explicit GestureQueue(std::vector<Gesture> gestures) : gestures_(std::move(gestures)) {}

    // The next gesture, or nothing at the end of the script.
    std::optional<Gesture> next();

private:
    std::vector<Gesture> gestures_;
    std::size_t position_ = 0;
};

}  // namespace vekselgrad::script
