// TraiterAide and DeclarerAide, one aidé of the print loop: the sector check, the
// regularisation, the charge detail and remaining exemption, the printed declaration, and
// the records written back.
#include "numbers/numtext.h"
#include "dba/test_steps.h"
#include "payroll/payroll.h"
#include "declaration/declaration.h"
#include "declaration/layout_text.h"
#include "declaration/payment_paragraph.h"
#include "declaration/print_loop_steps.h"
#include "printing/printer.h"
#include "rights/droits.h"

namespace declaration {

namespace {

// The export's view of the declaration just printed: its totals, amounts and payment mode
// (found the same way in the matrix mode, which prints none of them), told once per aidé.
void NoteForExport(dnt::SharedState& s) {
    dnt::AideDeclaration& d = s.currentDeclaration;
    for (const dnt::ContributionColumn& c : dnt::kContributionColumns)
        d.totals[dnt::indexOf(c.column)] = s.columnTotals[c.column].value();
    try {
        const MontantsDus m = CalculMontantsDus(s);
        d.dueA = m.A.value();
        d.dueB = m.B.value();
        d.adjustment = m.X.value();
        d.netToPay = (m.S + m.X).value();
    } catch (const dnt::Error&) {
        // the printed foot failed the same way: its amounts stay at 0
    }
    if (d.payment.empty()) {
        PassageErreurs passer(true);
        d.payment = NomModeReglement(ChoixModeReglement(s, passer));
    }
}

// After the last detail line: the frame footer and totals in detailed mode, then the part of
// the regularisation left unused added to field 5 of the charge detail, which is written.
void FinDeclaration(dnt::SharedState& s, const dnt::Quarter& quarter, PassageErreurs& passer) {
    passer([&] { s.RecDetailChgPartemp.setElement(12, dnt::NumberToText(s.columnTotals[dnt::Column::Assed])); });
    if (s.W_TypeEdition == "D") {
        passer([&] { Imprime_Fin_Cadre(s); });
        passer([&] { Imprime_Bas_Page(s, quarter); });
    }
    if (s.onDeclared) NoteForExport(s);
    passer([&] {
        if (s.W_Regul < dnt::Long32(0)) s.W_Regul = dnt::Long32(0);
    });
    passer([&] { s.W_RegulInitiale = s.W_RegulInitiale - s.W_Regul; });
    passer([&] {
        const std::string champ = s.RecDetailChgPartemp.element(5);
        const double reste = s.W_RegulInitiale.value();
        s.RecDetailChgPartemp.setElement(5, dnt::NumberToText(champ.empty() ? reste : dnt::CDbl(champ) + reste));
    });
    passer([&] { s.RecDetailChgPartemp.DBWrite(); });
}

}  // namespace

void TraiterAide(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, const std::string& A,
                 PassageErreurs& passer) {
    passer([&] { s.W_TotalLignes = dnt::Currency(); });
    // An aidé that cannot be read, or whose sector the user may not see, is left out.
    if (!LireEnregistrement(s, passer, s.RecAide, "CIVILAIDE", A)) return;
    bool visible = true;
    passer([&] { visible = s.Droits == nullptr || s.Droits->AccesSecteur(Gauche(s.RecAide.element(40), 3)); });
    if (!visible) return;

    LireEnregistrement(s, passer, s.RecEltsPartemp, "ELTSPARTEMP", A);
    passer([&] { s.W_Regul = dnt::Long32(0); });
    if (s.W_NbAidants.value() == 0) return;

    // The aidé's two records are one unit of work: when either write fails, even under
    // the loop's error trap, neither is kept, and the aidé is told to the host. Its pages
    // wait for the unit's end: an aidé whose records were not written is not in the
    // document either (nor in the export), as if it had not been selected.
    if (!s.TheDatabase) {
        DeclarerAide(s, quarter, Tableau, A, passer);
        s.outcome.printed(A);
        return;
    }
    const bool premierePage = s.PremierePage;
    if (s.Imprimante) s.Imprimante->holdPages();
    auto echec = s.TheDatabase->unit(A, [&] { DeclarerAide(s, quarter, Tableau, A, passer); });
    if (s.Imprimante) s.Imprimante->releaseHeldPages(!echec);
    if (echec) {
        s.PremierePage = premierePage;
        s.outcome.failures.push_back({A, echec->number, echec->message});
        return;
    }
    if (s.onDeclared && !s.outcome.seen.count(A)) s.onDeclared(s.currentDeclaration);
    s.outcome.printed(A);
    dba::testStep("aide:" + A);
}

void DeclarerAide(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, const std::string& A,
                  PassageErreurs& passer) {
    if (s.onDeclared)
        s.currentDeclaration = {quarter.key(), s.TexteCtrUrssaf, A,
                                 s.RecAide.element(2) + " " + s.RecAide.element(3), {}, {}, 0, 0, 0, 0, {}};
    LectureRegularisation(s, quarter, A, passer);

    // The gross amounts of the lines, in currency; an empty amount adds nothing.
    for (int j = 1; j <= s.W_NbAidants.value(); ++j) {
        passer([&] {
            const std::string montant = s.W_LignesAidants[j].gross;
            if (!montant.empty()) s.W_TotalLignes = s.W_TotalLignes + dnt::Currency::fromText(montant);
        });
    }

    // The latest contract end, when inside the quarter, goes into the aidé's elements.
    passer([&] {
        if (s.W_DateCalcul < dnt::CLngText(quarter.lastDayText()))
            s.RecEltsPartemp.setElement(14, dnt::NumberToText(s.W_DateCalcul));
    });
    passer([&] { s.W_DateCalcul = dnt::Long32(0); });

    passer([&] { payroll::CreationCleFichierDetailChgPartemp(s, quarter); });
    passer([&] { payroll::CalculTepRestant(s, quarter); });
    passer([&] { s.columnTotals.reset(); });

    ImprimeLignesAidants(s, quarter, Tableau, A, passer);
    FinDeclaration(s, quarter, passer);
}

}  // namespace declaration
