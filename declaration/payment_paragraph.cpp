// ImprimeParagrapheReglement, ChoixModeReglement and Select_Bic: the payment paragraph, its
// payment mode and the BIC look-up of the direct-debit text.
#include "declaration/payment_paragraph.h"

#include "common/procs.h"
#include "dba/errors.h"
#include "declaration/cedex.h"
#include "declaration/declaration.h"
#include "declaration/due_date.h"
#include "declaration/layout_text.h"
#include "printing/printer.h"

namespace declaration {

namespace {

// An address block, each line behind 5 blanks: the name line, the address line and the
// further line when not empty, then postal code, town and Cedex mention.
void BlocAdresse(printing::Printer& p, PassageErreurs& passer, const dba::DynArray& rec, int champNom) {
    passer([&] { p.print(Blancs(5) + rec.element(champNom)); });
    passer([&] {
        const std::string adresse = dnt::MiseEnFormeAdresse(rec, 3);
        if (!adresse.empty()) p.print(Blancs(5) + adresse);
    });
    passer([&] {
        if (!rec.element(7).empty()) p.print(Blancs(5) + rec.element(7));
    });
    passer([&] { p.print(Blancs(5) + rec.element(8) + " " + rec.element(9) + FinCedex(rec)); });
}

}  // namespace

void Select_Bic(dnt::SharedState& s) {
    const std::string Q = "\"";
    s.W_RequeteBic = dba::DynArray();
    // A failed look-up leaves no BIC, never the previous aidé's.
    s.RecBic = dba::DynArray();
    s.W_RequeteBic.setElement(1, "SSELECT BIC AVEC 1 = " + Q + s.RecEltsFactAide.element(17) + Q);
    s.W_RequeteBic.setElement(2, "BIC");
    s.W_RequeteBic.setElement(3, "0 1 2");
    s.RecBic = dba::DynArray(s.TheDatabase->DBExecute(s.W_RequeteBic.text(), ""));
}

ModeReglement ChoixModeReglement(dnt::SharedState& s, PassageErreurs& passer) {
    const bool centrePrend = s.RecCentre.element(17) == "1";
    if (centrePrend && s.RecEltsPartemp.element(8) == "1") return ModeReglement::Entite;
    if (centrePrend) {
        const bool lu = passer([&] { s.RecEltsFactAide = s.fichier("ELTSFACTAIDE").DBRead(s.RecAide.key()); }) == 0;
        if (!lu) s.RecEltsFactAide = dba::Record();
        if (lu && !s.RecEltsFactAide.element(16).empty()) return ModeReglement::Prelevement;
    }
    return ModeReglement::Aide;
}

const char* NomModeReglement(ModeReglement mode) {
    switch (mode) {
    case ModeReglement::Entite: return "entite";
    case ModeReglement::Prelevement: return "prelevement";
    default: return "aide";
    }
}

void ImprimeParagrapheReglement(dnt::SharedState& s, const dnt::Quarter& quarter) {
    printing::Printer& p = *s.Imprimante;
    PassageErreurs passer(true);
    std::string D;
    passer([&] { D = DateEcheance(quarter); });

    const ModeReglement mode = ChoixModeReglement(s, passer);
    s.currentDeclaration.payment = NomModeReglement(mode);

    if (mode == ModeReglement::Entite) {
        // A missing establishment prints its lines empty.
        if (passer([&] { s.RecEtab = s.fichier("ETABLISSEMENT").DBRead(s.RecCentre.element(25)); }) != 0)
            s.RecEtab = dba::Record();
        passer([&] { p.print(" Le règlement est effectué pour votre compte par : "); });
        BlocAdresse(p, passer, s.RecEtab, 1);
        return;
    }

    if (mode == ModeReglement::Prelevement) {
        passer([&] { p.print(" L'URSSAF procèdera au prélèvement de ce montant le " + D + " sur le compte "); });
        passer([&] { p.print(" bancaire suivant : " + s.RecEltsFactAide.element(16)); });
        passer([&] { Select_Bic(s); });
        passer([&] { p.print(Blancs(20) + s.RecEltsFactAide.element(17) + " - " + s.RecBic.element(1, 3)); });
        return;
    }

    passer([&] { p.print(" Le règlement est à envoyer avant le " + D + " à l'adresse suivante :"); });
    BlocAdresse(p, passer, s.RecCentre, 2);
}

}  // namespace declaration
