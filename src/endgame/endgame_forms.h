#pragma once

#include <filesystem>
#include <utility>

#include "ui/ports.h"

namespace vekselgrad {

// The player's gestures on the results form Form5 and the analysis form Form6, each routed to
// its action on the state files of the game that has just ended.
class EndgameForms : public EndgameEvents {
  public:
    EndgameForms(std::filesystem::path folder, Ports& ports)
        : folder_(std::move(folder)), ports_(ports) {}

    // Command2 of Form5: the balance sheet and rating.
    void achievementsClicked() override;
    // Command1 "Продолжение": the analysis form; when it closes, the results form closes too.
    void continueClicked() override;
    // A click on Form6 prints the analysis afresh.
    void analysisClicked() override;
    // A double click on Form6 (its click has printed the analysis once more) closes it.
    void analysisDoubleClicked() override;

  private:
    std::filesystem::path folder_;
    Ports& ports_;
};

}  // namespace vekselgrad
