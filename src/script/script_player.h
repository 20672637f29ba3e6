#pragma once

#include <filesystem>

#include "script/gesture_script.h"
#include "script/script_window.h"
#include "script/transcript.h"
#include "ui/ports.h"

// Plays the gestures of a script on Form4's buttons, one action a gesture.
namespace vekselgrad::script {

class ScriptPlayer {
public:
    ScriptPlayer(std::filesystem::path folder, GestureQueue& gestures, Transcript& transcript,
                 RandomSource& random, char decimalSeparator);

    // Plays every gesture; throws ScriptError, StateFileError or RandomExhausted where the
    // driver stops.
    void playToEnd();

private:
    void pressButton(const Gesture& gesture);

    std::filesystem::path folder_;
    GestureQueue& gestures_;
    Transcript& transcript_;
    ScriptWindow window_;
    Ports ports_;
};

}  // namespace vekselgrad::script
