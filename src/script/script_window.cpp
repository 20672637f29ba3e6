#include "script/script_window.h"

#include <string>

namespace vekselgrad::script {

void ScriptWindow::setBox(Form form, std::string_view box, std::string_view text) {
    transcript_.box(form, box, text);
}

void ScriptWindow::print(Form form, std::string_view line) { transcript_.print(form, line); }

void ScriptWindow::clearPrinted(Form form) { transcript_.clear(form); }

void ScriptWindow::messageBox(std::string_view text, std::string_view caption,
                              MessageIcon icon) {
    transcript_.messageBox(text, caption, icon);
}

Gesture ScriptWindow::nextGestureFor(std::string_view waitingWindow) {
    auto gesture = gestures_.next();
    if (!gesture) {
        throw ScriptError("the script ended while " + std::string(waitingWindow) +
                          " waits for a gesture");
    }
    return *gesture;
}

std::string ScriptWindow::inputBox(std::string_view body, std::string_view caption) {
    const Gesture gesture = nextGestureFor("the open input box");
    if (gesture.kind != GestureKind::type && gesture.kind != GestureKind::cancel) {
        rejectGesture(gesture, "the open input box (type or cancel)");
    }
    transcript_.gesture(gesture.line);
    const bool cancelled = gesture.kind == GestureKind::cancel;
    transcript_.inputBox(body, caption, gesture.text, cancelled);
    return gesture.text;
}

void ScriptWindow::showModal(Form form, EndgameEvents& events) {
    transcript_.show(form);
    openForms_.insert(form);
    const std::string_view waiting = form == Form::Form5 ? "the open results form Form5"
                                                         : "the open analysis form Form6";
    while (openForms_.contains(form)) {
        deliver(form, nextGestureFor(waiting), events);
    }
}

void ScriptWindow::deliver(Form form, const Gesture& gesture, EndgameEvents& events) {
    const bool onResults = form == Form::Form5;
    switch (gesture.kind) {
        case GestureKind::achievements:
        case GestureKind::continueOn:
            if (!onResults) {
                rejectGesture(gesture, "the open analysis form Form6 (click or dblclick)");
            }
            transcript_.gesture(gesture.line);
            if (gesture.kind == GestureKind::achievements) {
                events.achievementsClicked();
            } else {
                events.continueClicked();
            }
            return;
        case GestureKind::click:
        case GestureKind::doubleClick:
            if (onResults) {
                rejectGesture(gesture, "the open results form Form5 (achievements or continue)");
            }
            transcript_.gesture(gesture.line);
            events.analysisClicked();
            if (gesture.kind == GestureKind::doubleClick) {
                events.analysisDoubleClicked();
            }
            return;
        default:
            rejectGesture(gesture, onResults ? "the open results form Form5 (achievements or continue)"
                                      : "the open analysis form Form6 (click or dblclick)");
    }
}

void ScriptWindow::unload(Form form) {
    transcript_.unload(form);
    openForms_.erase(form);
}

}  // namespace vekselgrad::script
