// What the person chose on the selection screen, kept by the application from one screen
// to the next: read from the control's widgets when its form closes, and typed back into
// the next screen as the person would, so that the control's own handlers run.
#pragma once

#include <string>
#include <vector>

#include "control/ctr_controle.h"

namespace desktop {

struct ScreenChoices {
    bool made = false;  // a screen was left: there are choices to propose
    std::string quarter;  // the quarter list's text
    std::string centre;   // the centre code as entered
    std::string from, to;
    bool individual = false;
    std::vector<std::string> codes;  // the aidés picked one by one
    enum class Sort { Alpha, Commune, Secteur, Responsable } sort = Sort::Alpha;
    bool entite = true, prelevement = true, aide = true;

    static ScreenChoices read(const control::Ctr_ControleEditVardec& ctl);
    // Types the choices into a screen just initialised (a quarter or a centre the screen no
    // longer offers is left as Init set it).
    void apply(control::Ctr_ControleEditVardec& ctl) const;
    // The choices as the command line writes them, for the history of runs ("--sort
    // commune --copies 2 --printer PDF").
    std::string options(long copies, const std::string& printer) const;
};

}  // namespace desktop
