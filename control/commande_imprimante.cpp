// The printer command handler: unattended, every page carries optical marks, short
// thick bars near its top left corner on up to four tracks.
#include "control/ctr_controle.h"

namespace control {

void Ctr_ControleEditVardec::CommandeImprimante(const std::string& commande) {
    if (!ModeOmr) return;
    printing::Printer* p = s.Imprimante ? s.Imprimante : (env_.printers ? &env_.printers->current() : nullptr);
    if (!p) return;
    // Every step is trapped: a failing printer operation is skipped, nothing is reported.
    auto pas = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    const double cm = s.cm.value();
    auto longueur = [cm](double cms) { return dnt::CLng(cms * cm).value(); };
    const long haut = longueur(2.2), marque = longueur(1.1), gauche = longueur(0.9), retrait = longueur(0.6);
    const long barre = longueur(0.63), ecart = longueur(0.02), pas_ = longueur(2.54 / 6.36);
    int largeur = 1;
    pas([&] { largeur = p->drawWidth(); });
    pas([&] { p->setDrawWidth(12); });

    bool quatre = false;
    if (commande == "ENDDOC") {
        if (W_NbPagesApres.value() == 0) {
            quatre = true;
        } else {
            try {
                dnt::Int16 total = W_NbPagesAvant + dnt::Int16(p->page()) + W_NbPagesApres;
                quatre = total > W_NbPagesMax;
            } catch (const std::exception&) {
                // An overflow in the test resumes inside the branch, as the trapped
                // statement it came from did: all four tracks.
                quatre = true;
            }
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (!quatre && (k == 1 || k == 2)) continue;
        double y = haut + marque + k * (ecart + pas_);
        pas([&] { p->line(gauche + retrait, y, gauche + retrait + barre, y); });
    }
    pas([&] { p->setDrawWidth(largeur); });
}

}  // namespace control
