#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <map>
#include <memory>

#include "qt/form_widget.h"
#include "ui/ports.h"

// The window layer of the desktop program: the trading form Form4 for the whole run, the results
// form Form5 and the analysis form Form6 while the end of a game shows them, and the message and
// input boxes.
namespace vekselgrad::desktop {

class QtWindow : public QObject, public Window {
    Q_OBJECT

  public:
    QtWindow();

    FormWidget& tradingForm() { return *tradingForm_; }
    // Form5 or Form6 while loaded, otherwise null; Form4 always.
    FormWidget* loadedForm(Form form) const;

    void setBox(Form form, std::string_view box, std::string_view text) override;
    void print(Form form, std::string_view line) override;
    void clearPrinted(Form form) override;
    void messageBox(std::string_view text, std::string_view caption, MessageIcon icon) override;
    std::string inputBox(std::string_view body, std::string_view caption) override;
    // Runs a nested event loop until the form is unloaded (or the program quits).
    void showModal(Form form, EndgameEvents& events) override;
    void unload(Form form) override;

  private:
    // A results or analysis form from its loading to its unloading.
    struct EndgameForm {
        QPointer<FormWidget> widget;
        EndgameEvents* events = nullptr;  // while shown modally
        QEventLoop* modalLoop = nullptr;  // while shown modally
    };

    FormWidget& form(Form form);
    EndgameForm& load(Form form);
    // The events of the game that shows the form modally, or null.
    EndgameEvents* modalEvents(Form form) const;
    void resultsButton(const QString& button);
    void analysisClick();
    void analysisDoubleClick();
    QWidget* topForm() const;

    std::unique_ptr<FormWidget> tradingForm_;
    std::map<Form, EndgameForm> endgameForms_;
};

}  // namespace vekselgrad::desktop
