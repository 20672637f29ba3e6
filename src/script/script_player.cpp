#include "script/script_player.h"

#include "actions/bank_deposit.h"

namespace vekselgrad::script {

ScriptPlayer::ScriptPlayer(std::filesystem::path folder, GestureQueue& gestures,
                           Transcript& transcript, RandomSource& random, char decimalSeparator)
    : folder_(std::move(folder)),
      gestures_(gestures),
      transcript_(transcript),
      window_(gestures, transcript),
      ports_{window_, random, decimalSeparator} {}

void ScriptPlayer::playToEnd() {
    while (const auto gesture = gestures_.next()) {
        pressButton(*gesture);
    }
}

void ScriptPlayer::pressButton(const Gesture& gesture) {
    switch (gesture.kind) {
        case GestureKind::bank:
            transcript_.gesture(gesture.line);
            bankDeposit(folder_, ports_);
            return;
        case GestureKind::newGame:
        case GestureKind::sell:
        case GestureKind::buy:
        case GestureKind::skip:
            throw ScriptError("script line " + std::to_string(gesture.lineNumber) + ": '" +
                              gesture.line + "' is not playable yet");
        default:
            throw ScriptError("script line " + std::to_string(gesture.lineNumber) + ": '" +
                              gesture.line + "' does not fit: no window is open");
    }
}

}  // namespace vekselgrad::script
