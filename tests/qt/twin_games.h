#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <filesystem>
#include <initializer_list>
#include <optional>

#include "../core/fake_ports.h"
#include "engine/game_random.h"
#include "modal_player.h"
#include "qt/desktop_game.h"

// One game played twice with the same random numbers and the same answers: by clicking the
// buttons of the desktop program, and by calling the actions with the core tests' recording
// window. The recording says what the engine shows; the forms of the desktop must show the same.
namespace vekselgrad::desktop::testing {

using Answers = std::initializer_list<std::optional<const char*>>;  // nothing: Cancel

class TwinGames {
  public:
    explicit TwinGames(std::int64_t seed);

    DesktopGame& desktop() { return desktop_; }
    ModalPlayer& player() { return player_; }
    testing_ports::FakeWindow& engine() { return engine_; }
    std::filesystem::path desktopFolder() const;
    std::filesystem::path engineFolder() const;

    // Clicks a button of Form4 ("Command1" .. "Command5") in both games.
    void click(const char* button, Answers answers = {});

    // Where the desktop does not show what the engine says, a line each: boxes of Form4 whose
    // texts differ from what the engine wrote, printed lines, dialogs, unexpected windows.
    QStringList differences();
    QStringList boxDifferences(Form form);
    QStringList printedDifferences();
    QStringList dialogDifferences();

  private:
    void clickInEngine(const char* button, Answers answers);

    QTemporaryDir desktopDir_;
    QTemporaryDir engineDir_;
    GameRandom desktopRandom_;
    GameRandom engineRandom_;
    DesktopGame desktop_;
    testing_ports::FakeWindow engine_;
    Ports enginePorts_;
    ModalPlayer player_;
};

}  // namespace vekselgrad::desktop::testing
