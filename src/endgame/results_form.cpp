#include "endgame/results_form.h"

#include "endgame/endgame_forms.h"

namespace vekselgrad {

void showResultsForm(const std::filesystem::path& folder, Ports& ports) {
    EndgameForms forms(folder, ports);
    ports.window.showModal(Form::Form5, forms);
}

}  // namespace vekselgrad
