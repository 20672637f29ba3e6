#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>

#include "qt/form_widget.h"

// Plays the player's part in the modal windows that a click opens, the way a person would: types
// the given answers into input boxes and presses OK (or Cancel), presses OK in every message
// box, and hands the results and analysis forms to the test's own steps. What the dialogs showed
// is recorded in the words of the core tests' recording window, so the two can be compared.
namespace vekselgrad::desktop::testing {

class ModalPlayer : public QObject {
    Q_OBJECT

  public:
    using FormStep = std::function<void(FormWidget&)>;

    ModalPlayer();

    // The answer to the next input box; nothing presses Cancel. An input box without an answer
    // stops the program, since the game would ask again for ever.
    void answer(std::optional<QString> text) { answers_.push_back(std::move(text)); }
    void answer(const char* text) { answer(QString::fromUtf8(text)); }
    bool answersLeft() const { return !answers_.empty(); }

    FormStep onResults;   // Form5 is shown
    FormStep onAnalysis;  // Form6 is shown

    // "input BODY | CAPTION -> ANSWER" and "msgbox TEXT | CAPTION[ | information]", in order.
    QStringList dialogs;
    // Windows that came up when the test did not expect them.
    QStringList faults;

  private:
    void lookForModalWindow();
    void play(QWidget* modal);
    void answerInputBox(QWidget* modal);
    void acknowledgeMessageBox(QWidget* modal);

    QTimer poll_;
    std::deque<std::optional<QString>> answers_;
};

}  // namespace vekselgrad::desktop::testing
