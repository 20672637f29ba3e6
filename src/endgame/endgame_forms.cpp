#include "endgame/endgame_forms.h"

#include "endgame/analysis.h"
#include "endgame/results.h"

namespace vekselgrad {

void EndgameForms::achievementsClicked() {
    showAchievements(folder_, ports_);
}

void EndgameForms::continueClicked() {
    ports_.window.showModal(Form::Form6, *this);
    ports_.window.unload(Form::Form5);
}

void EndgameForms::analysisClicked() {
    printAnalysis(folder_, ports_);
}

void EndgameForms::analysisDoubleClicked() {
    ports_.window.unload(Form::Form6);
}

}  // namespace vekselgrad
