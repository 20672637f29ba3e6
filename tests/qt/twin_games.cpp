#include "twin_games.h"

#include <QtTest/QTest>
#include <array>
#include <cstring>
#include <stdexcept>

#include "actions/bank_deposit.h"
#include "actions/trading_buttons.h"
#include "newgame/new_game.h"

namespace vekselgrad::desktop::testing {
namespace {

constexpr char separator = ',';  // Russian regional settings

struct EngineAction {
    const char* button;
    void (*action)(const std::filesystem::path&, Ports&);
};

constexpr std::array engineActions{
    EngineAction{"Command1", sellClick},    EngineAction{"Command2", buyClick},
    EngineAction{"Command3", skipClick},    EngineAction{"Command4", bankDeposit},
    EngineAction{"Command5", startNewGame},
};

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

std::filesystem::path folderOf(const QTemporaryDir& dir) {
    return std::filesystem::path(dir.path().toStdString());
}

}  // namespace

TwinGames::TwinGames(std::int64_t seed)
    : desktopRandom_(seed),
      engineRandom_(seed),
      desktop_(folderOf(desktopDir_), desktopRandom_, separator),
      enginePorts_{engine_, engineRandom_, separator} {
    desktop_.show();
}

std::filesystem::path TwinGames::desktopFolder() const {
    return folderOf(desktopDir_);
}

std::filesystem::path TwinGames::engineFolder() const {
    return folderOf(engineDir_);
}

void TwinGames::click(const char* button, Answers answers) {
    clickInEngine(button, answers);
    for (const auto& answer : answers) {
        player_.answer(answer ? std::optional(QString::fromUtf8(*answer)) : std::nullopt);
    }
    QTest::mouseClick(desktop_.window().tradingForm().button(QString::fromLatin1(button)),
                      Qt::LeftButton);
}

void TwinGames::clickInEngine(const char* button, Answers answers) {
    for (const auto& answer : answers) {
        engine_.answers.emplace_back(answer.value_or(""));
    }
    for (const auto& [name, action] : engineActions) {
        if (std::strcmp(name, button) == 0) {
            action(engineFolder(), enginePorts_);
        }
    }
}

QStringList TwinGames::differences() {
    return boxDifferences(Form::Form4) + printedDifferences() + dialogDifferences();
}

QStringList TwinGames::boxDifferences(Form form) {
    const std::string prefix = testing_ports::formName(form) + " ";
    const FormWidget* shown = desktop_.window().loadedForm(form);
    QStringList found;
    for (const auto& [key, written] : engine_.boxes) {
        if (!key.starts_with(prefix)) {
            continue;
        }
        const QString name = text(key.substr(prefix.size()));
        const QLineEdit* box = shown != nullptr ? shown->box(name) : nullptr;
        const QString showing = box != nullptr ? box->text() : QStringLiteral("<not loaded>");
        if (showing != text(written)) {
            found.append(name + QStringLiteral(": shows '") + showing +
                         QStringLiteral("', the engine wrote '") + text(written) +
                         QStringLiteral("'"));
        }
    }
    return found;
}

QStringList TwinGames::printedDifferences() {
    QStringList printed;
    for (const auto& line : engine_.printed) {
        printed.append(text(line));
    }
    const QStringList& shown = desktop_.window().tradingForm().printedLines();
    if (shown == printed) {
        return {};
    }
    return {QStringLiteral("printed: '") + shown.join(u'/') +
            QStringLiteral("', the engine printed '") + printed.join(u'/') + QStringLiteral("'")};
}

QStringList TwinGames::dialogDifferences() {
    QStringList dialogs;
    for (const auto& event : engine_.events) {
        if (event.starts_with("input ") || event.starts_with("msgbox ")) {
            dialogs.append(text(event));
        }
    }
    QStringList found = player_.faults;
    if (player_.dialogs != dialogs) {
        found.append(QStringLiteral("dialogs:\n  ") + player_.dialogs.join(QStringLiteral("\n  ")) +
                     QStringLiteral("\nthe engine showed:\n  ") +
                     dialogs.join(QStringLiteral("\n  ")));
    }
    return found;
}

}  // namespace vekselgrad::desktop::testing
