#include "script/script_player.h"

#include <array>
#include <utility>

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
    using ButtonAction = void (*)(const std::filesystem::path&, Ports&);
    static constexpr std::array<std::pair<GestureKind, ButtonAction>, 5> form4Buttons{{
        {GestureKind::newGame, startNewGame},
        {GestureKind::sell, sellClick},
        {GestureKind::buy, buyClick},
        {GestureKind::skip, skipClick},
        {GestureKind::bank, bankDeposit},
    }};
    for (const auto& [kind, action] : form4Buttons) {
        if (gesture.kind == kind) {
            transcript_.gesture(gesture.line);
            action(folder_, ports_);
            return;
        }
    }
    rejectGesture(gesture, "Form4 with no window open (new, sell, buy, skip or bank)");
}

}  // namespace vekselgrad::script
