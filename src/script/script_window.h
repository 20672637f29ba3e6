#pragma once

#include <set>

#include "script/gesture_script.h"
#include "script/transcript.h"
#include "ui/ports.h"

// The window layer of the scripted driver: every write goes to the transcript, message boxes are
// answered at once, and input boxes and the end-of-game forms take the script's next gestures.
namespace vekselgrad::script {

class ScriptWindow : public Window {
public:
    ScriptWindow(GestureQueue& gestures, Transcript& transcript)
        : gestures_(gestures), transcript_(transcript) {}

    void setBox(Form form, std::string_view box, std::string_view text) override;
    void print(Form form, std::string_view line) override;
    void clearPrinted(Form form) override;
    void messageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    std::string inputBox(std::string_view body, std::string_view caption) override;
    void showModal(Form form, EndgameEvents& events) override;
    void unload(Form form) override;

private:
    Gesture nextGestureFor(std::string_view waitingWindow);
    void deliver(Form form, const Gesture& gesture, EndgameEvents& events);

    GestureQueue& gestures_;
    Transcript& transcript_;
    std::set<Form> openForms_;
};

}  // namespace vekselgrad::script
