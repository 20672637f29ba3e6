#pragma once

#include <string>
#include <string_view>

// What the game core knows of the window layer and of the random source: small interfaces that
// the desktop program, the scripted driver and the tests each supply. The core tells them what to
// show and asks them for the player's answers; it never asks what a form shows.
namespace vekselgrad {

enum class Form { Form4, Form5, Form6 };

enum class MessageIcon { none, information };

// The caption of every message box that carries the application's title.
inline constexpr std::string_view applicationTitle = "ВЕКСЕЛЬГРАД";

class EndgameEvents;

class Window {
public:
    virtual ~Window() = default;

    // Gives a box of a form its text; `box` is the layout name with its index, "saf(1)", "Text25".
    virtual void setBox(Form form, std::string_view box, std::string_view text) = 0;
    // Prints a line on the surface of a form (Form4 or Form6), under the previous printed line.
    virtual void print(Form form, std::string_view line) = 0;
    // Removes everything printed on the form's surface; the next line prints at the top left.
    virtual void clearPrinted(Form form) = 0;
    // A modal message box with only an OK button.
    virtual void messageBox(std::string_view text, std::string_view caption,
                            MessageIcon icon) = 0;
    // A modal input box with an empty default answer: the typed text, or "" when cancelled.
    virtual std::string inputBox(std::string_view body, std::string_view caption) = 0;
    // Shows Form5 or Form6 modally and returns when the form has been unloaded. While it is up,
    // the player's gestures on it go to `events`.
    virtual void showModal(Form form, EndgameEvents& events) = 0;
    // Unloads a form shown by showModal; its showModal call then returns.
    virtual void unload(Form form) = 0;
};

// The uniform random source: single-precision numbers in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    // Seeds from the system clock (program start, new game); a source that replays a fixed
    // sequence ignores it. Seeding draws no number.
    virtual void seedFromClock() = 0;
};

// What the player does on the end-of-game forms while they are shown modally.
class EndgameEvents {
public:
    virtual ~EndgameEvents() = default;
    virtual void achievementsClicked() = 0;  // Form5's Command2
    virtual void continueClicked() = 0;      // Form5's Command1
    virtual void analysisClicked() = 0;      // a click on Form6's surface
    virtual void analysisDoubleClicked() = 0;  // a double click on Form6 (after its click)
};

// Everything an action needs from outside the core besides the state folder.
struct Ports {
    Window& window;
    RandomSource& random;
    char decimalSeparator = '.';  // the user's regional decimal separator, for plainText
};

}  // namespace vekselgrad
