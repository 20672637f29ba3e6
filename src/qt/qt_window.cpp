#include "qt/qt_window.h"

#include <QInputDialog>
#include <QMessageBox>

#include "qt/game_text.h"
#include "qt/mnemonics.h"
#include "qt/state_file_errors.h"

namespace vekselgrad::desktop {

QtWindow::QtWindow() : tradingForm_(std::make_unique<FormWidget>(formLayout(Form::Form4))) {
    addMnemonics(*tradingForm_);
}

FormWidget* QtWindow::loadedForm(Form which) const {
    if (which == Form::Form4) {
        return tradingForm_.get();
    }
    const auto found = endgameForms_.find(which);
    return found == endgameForms_.end() ? nullptr : found->second.widget.data();
}

// Like any form of the game, Form5 and Form6 are loaded afresh when the game refers to them
// while they are not loaded: with their fixed captions, empty boxes and nothing printed.
QtWindow::EndgameForm& QtWindow::load(Form which) {
    EndgameForm& loaded = endgameForms_[which];
    if (loaded.widget == nullptr) {
        loaded.widget = new FormWidget(formLayout(which), tradingForm_.get());
        addMnemonics(*loaded.widget);
        if (which == Form::Form5) {
            connect(loaded.widget, &FormWidget::buttonClicked, this, &QtWindow::resultsButton);
        } else {
            connect(loaded.widget, &FormWidget::surfaceClicked, this, &QtWindow::analysisClick);
            connect(loaded.widget, &FormWidget::surfaceDoubleClicked, this,
                    &QtWindow::analysisDoubleClick);
        }
        connect(loaded.widget, &FormWidget::closeRequested, this, [this, which] { unload(which); });
    }
    return loaded;
}

FormWidget& QtWindow::form(Form which) {
    return which == Form::Form4 ? *tradingForm_ : *load(which).widget;
}

void QtWindow::setBox(Form which, std::string_view box, std::string_view text) {
    form(which).setBoxText(gameText(box), gameText(text));
}

void QtWindow::print(Form which, std::string_view line) {
    form(which).printLine(gameText(line));
}

void QtWindow::clearPrinted(Form which) {
    form(which).clearPrinted();
}

QWidget* QtWindow::topForm() const {
    for (const Form which : {Form::Form6, Form::Form5}) {
        FormWidget* shown = loadedForm(which);
        if (shown != nullptr && shown->isVisible()) {
            return shown;
        }
    }
    return tradingForm_.get();
}

void QtWindow::messageBox(std::string_view text, std::string_view caption, MessageIcon icon) {
    QMessageBox box(
        icon == MessageIcon::information ? QMessageBox::Information : QMessageBox::NoIcon,
        gameText(caption), gameText(text), QMessageBox::Ok, topForm());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string QtWindow::inputBox(std::string_view body, std::string_view caption) {
    QInputDialog dialog(topForm());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(gameText(caption));
    dialog.setLabelText(gameText(body));
    dialog.setTextValue(QString());
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
}

void QtWindow::showModal(Form which, EndgameEvents& events) {
    EndgameForm& loaded = load(which);
    QEventLoop modalLoop;
    loaded.events = &events;
    loaded.modalLoop = &modalLoop;
    loaded.widget->setWindowModality(Qt::ApplicationModal);
    loaded.widget->centreOnScreen();
    loaded.widget->show();
    loaded.widget->centreOnScreen();
    loaded.widget->activateWindow();
    modalLoop.exec(QEventLoop::DialogExec);
    // Only a program that quits leaves the loop with the form still loaded.
    unload(which);
}

void QtWindow::unload(Form which) {
    const auto found = endgameForms_.find(which);
    if (found == endgameForms_.end()) {
        return;
    }
    EndgameForm loaded = found->second;
    endgameForms_.erase(found);
    if (loaded.modalLoop != nullptr) {
        loaded.modalLoop->quit();
    }
    if (loaded.widget != nullptr) {
        loaded.widget->hide();
        loaded.widget->deleteLater();
    }
}

EndgameEvents* QtWindow::modalEvents(Form which) const {
    const auto found = endgameForms_.find(which);
    return found == endgameForms_.end() ? nullptr : found->second.events;
}

void QtWindow::resultsButton(const QString& button) {
    EndgameEvents* events = modalEvents(Form::Form5);
    if (events == nullptr) {
        return;
    }
    if (button == QLatin1String("Command2")) {
        reportStateFileErrors(*this, [events] { events->achievementsClicked(); });
    } else if (button == QLatin1String("Command1")) {
        reportStateFileErrors(*this, [events] { events->continueClicked(); });
    }
}

void QtWindow::analysisClick() {
    if (EndgameEvents* events = modalEvents(Form::Form6)) {
        reportStateFileErrors(*this, [events] { events->analysisClicked(); });
    }
}

void QtWindow::analysisDoubleClick() {
    if (EndgameEvents* events = modalEvents(Form::Form6)) {
        reportStateFileErrors(*this, [events] { events->analysisDoubleClicked(); });
    }
}

}  // namespace vekselgrad::desktop
