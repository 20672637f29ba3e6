#include "modal_player.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

namespace vekselgrad::desktop::testing {
namespace {

const char* const playedMark = "playedByTest";

}  // namespace

ModalPlayer::ModalPlayer() {
    connect(&poll_, &QTimer::timeout, this, &ModalPlayer::lookForModalWindow);
    poll_.start(1);
}

// The poll only notices a window; the player acts from a timer of its own, because what it
// does may open a nested modal window that this poll must notice too.
void ModalPlayer::lookForModalWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible() || modal->property(playedMark).toBool()) {
        return;
    }
    modal->setProperty(playedMark, true);
    QTimer::singleShot(0, modal, [this, modal] { play(modal); });
}

void ModalPlayer::play(QWidget* modal) {
    if (qobject_cast<QInputDialog*>(modal) != nullptr) {
        answerInputBox(modal);
    } else if (qobject_cast<QMessageBox*>(modal) != nullptr) {
        acknowledgeMessageBox(modal);
    } else if (modal->objectName() == QLatin1String("Form5") && onResults) {
        onResults(*qobject_cast<FormWidget*>(modal));
    } else if (modal->objectName() == QLatin1String("Form6") && onAnalysis) {
        onAnalysis(*qobject_cast<FormWidget*>(modal));
    } else {
        faults.append(QStringLiteral("unexpected window ") + modal->objectName());
        modal->close();
    }
}

void ModalPlayer::answerInputBox(QWidget* modal) {
    auto* input = qobject_cast<QInputDialog*>(modal);
    auto* buttons = input->findChild<QDialogButtonBox*>();
    if (answers_.empty()) {
        // The game asks again until it gets an answer: a test without one would never end.
        qFatal("no answer for the input box '%s'", qPrintable(input->labelText()));
    }
    const std::optional<QString> text = answers_.front();
    answers_.pop_front();
    dialogs.append(QStringLiteral("input ") + input->labelText() + QStringLiteral(" | ") +
                   input->windowTitle() + QStringLiteral(" -> ") + text.value_or(QString()));
    if (!text) {
        buttons->button(QDialogButtonBox::Cancel)->click();
        return;
    }
    QTest::keyClicks(input->findChild<QLineEdit*>(), *text);
    buttons->button(QDialogButtonBox::Ok)->click();
}

void ModalPlayer::acknowledgeMessageBox(QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    dialogs.append(
        QStringLiteral("msgbox ") + box->text() + QStringLiteral(" | ") + box->windowTitle() +
        (box->icon() == QMessageBox::Information ? QStringLiteral(" | information") : QString()));
    box->button(QMessageBox::Ok)->click();
}

}  // namespace vekselgrad::desktop::testing
