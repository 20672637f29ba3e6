// Any bytes as a script of gestures. The parser reads them or reports a ScriptError naming the
// line. What it reads is well formed (a gesture a line, no comment or empty line among them, a
// typed text that is the rest of its line) and reads back the same when its lines are written
// out again with CR LF line ends.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "script/gesture_script.h"

namespace {

using vekselgrad::script::Gesture;
using vekselgrad::script::GestureKind;

bool wellFormed(const std::vector<Gesture>& gestures) {
    int previousLine = 0;
    for (const Gesture& g : gestures) {
        if (g.line.empty() || g.line.front() == '#' || g.line.find('\n') != std::string::npos ||
            g.lineNumber <= previousLine) {
            return false;
        }
        if (g.kind == GestureKind::type &&
            g.text != (g.line == "type" ? std::string() : g.line.substr(5))) {
            return false;
        }
        if (g.kind != GestureKind::type && !g.text.empty()) {
            return false;
        }
        previousLine = g.lineNumber;
    }
    return true;
}

bool sameGestures(const std::vector<Gesture>& a, const std::vector<Gesture>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].kind != b[i].kind || a[i].text != b[i].text || a[i].line != b[i].line) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<Gesture> gestures;
    try {
        gestures = vekselgrad::script::readScript(in);
    } catch (const vekselgrad::script::ScriptError& error) {
        if (std::string(error.what()).find("script line ") != 0) {
            __builtin_trap();
        }
        return 0;
    }
    std::ostringstream written;
    for (const Gesture& g : gestures) {
        written << g.line << "\r\n";
    }
    std::istringstream again(written.str());
    if (!wellFormed(gestures) || !sameGestures(gestures, vekselgrad::script::readScript(again))) {
        __builtin_trap();
    }
    return 0;
}
