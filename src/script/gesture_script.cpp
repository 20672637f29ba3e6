#include "script/gesture_script.h"

#include <array>
#include <string_view>
#include <utility>

namespace vekselgrad::script {
namespace {

constexpr std::array<std::pair<std::string_view, GestureKind>, 10> plainGestures{{
    {"new", GestureKind::newGame},
    {"sell", GestureKind::sell},
    {"buy", GestureKind::buy},
    {"skip", GestureKind::skip},
    {"bank", GestureKind::bank},
    {"cancel", GestureKind::cancel},
    {"achievements", GestureKind::achievements},
    {"continue", GestureKind::continueOn},
    {"click", GestureKind::click},
    {"dblclick", GestureKind::doubleClick},
}};

Gesture parseGesture(const std::string& line, int lineNumber) {
    constexpr std::string_view typeWord = "type";
    if (line == typeWord) {
        return Gesture{GestureKind::type, "", line, lineNumber};
    }
    if (line.starts_with("type ")) {
        return Gesture{GestureKind::type, line.substr(typeWord.size() + 1), line, lineNumber};
    }
    for (const auto& [word, kind] : plainGestures) {
        if (line == word) {
            return Gesture{kind, "", line, lineNumber};
        }
    }
    return Gesture{GestureKind::unknown, "", line, lineNumber};
}

}  // namespace

std::vector<Gesture> readScript(std::istream& in) {
    std::vector<Gesture> gestures;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        gestures.push_back(parseGesture(line, lineNumber));
    }
    return gestures;
}

void rejectGesture(const Gesture& gesture, std::string_view openWindow) {
    const std::string where = "script line " + std::to_string(gesture.lineNumber) + ": '" +
                              gesture.line + "' ";
    if (gesture.kind == GestureKind::unknown) {
        throw ScriptError(where + "is not a gesture");
    }
    throw ScriptError(where + "does not fit " + std::string(openWindow));
}

std::optional<Gesture> GestureQueue::next() {
    if (position_ >= gestures_.size()) {
        return std::nullopt;
    }
    return gestures_[position_++];
}

}  // namespace vekselgrad::script
