#include "script/script_player.h"

#include "actions/bank_deposit.h"
#include "actions/trading_buttons.h"
#include "newgame/new_game.h"

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
            transcript_.gesture(gesture.line);
            startNewGame(folder_, ports_);
            return;
        case GestureKind::sell:
            transcript_.gesture(gesture.line);
            sellClick(folder_, ports_);
            return;
        case GestureKind::buy:
            transcript_.gesture(gesture.line);
            buyClick(folder_, ports_);
            return;
        case GestureKind::skip:
            transcript_.gesture(gesture.line);
            skipClick(folder_, ports_);
            return;
        default:
            rejectGesture(gesture, "Form4 with no window open (new, sell, buy, skip or bank)");
    }
}

}  // namespace vekselgrad::script
