// GestionRequete, the print loop: walks the selected contracts, gathers the aidant lines of
// each aidé and prints one declaration per aidé.
#include "payroll/payroll.h"
#include "declaration/declaration.h"
#include "declaration/print_loop_steps.h"
#include "declaration/read_ahead.h"

namespace declaration {

bool LireEnregistrement(dnt::SharedState& s, PassageErreurs& passer, dba::Record& rec, const std::string& fichier,
                        const std::string& cle) {
    if (passer([&] { rec = s.fichier(fichier).DBRead(cle); }) == 0) return true;
    rec = dba::Record();
    return false;
}

void EffacerAide(dnt::SharedState& s, PassageErreurs& passer) {
    passer([&] { s.W_LignesAidants.clear(); });
    passer([&] { s.W_AgeAidantAide = false; });
    passer([&] { s.W_NbAidants = dnt::Long32(0); });
    passer([&] { s.NumAffil1 = true; });
    passer([&] {
        for (int m = 1; m <= 3; ++m) s.W_Totaux.setElement(m, "0");
    });
}

void GestionRequete(dnt::SharedState& s, const dba::DynArray& Tableau, const dnt::Quarter& quarter) {
    // An empty selection (possible in unattended mode) prints nothing and writes nothing.
    const long n = Tableau.DCount();
    if (n < 1 || Tableau.element(1, 1).empty()) return;

    // No error trap until the first regularisation read sets it.
    PassageErreurs passer;

    payroll::TauxUrssafDesCharges(s, quarter);
    s.W_DateCalcul = dnt::Long32(0);
    s.PremierePage = true;
    s.PageCommencee = false;
    s.NumAffil1 = true;
    s.W_IndiceTableau = 0;

    long luEnAvance = LireEnAvance(s, quarter, Tableau, 1);
    s.RecContrat = s.fichier("CONTRAT").DBRead(Tableau.element(1, 1));
    s.RecConvention = s.fichier("CONVENTIONCOL").DBRead("02");
    const std::string convention = s.RecConvention.element(32);
    s.W_CodeConvention = convention.empty() ? "M" : convention;

    s.W_NbAidants = dnt::Long32(0);
    for (int m = 1; m <= 3; ++m) s.W_Totaux.setElement(m, "0");
    s.W_LignesAidants.clear();

    payroll::LectureDetailCalcul(s, quarter, 1, Tableau);

    // Progress is told per aidé; the rows of one aidé are adjacent.
    long aidesTotal = 1, aidesFaits = 0;
    for (long i = 2; i <= n; ++i)
        if (Tableau.element(static_cast<int>(i), 2) != Tableau.element(static_cast<int>(i - 1), 2)) ++aidesTotal;
    auto progresser = [&] {
        ++aidesFaits;
        if (s.Progression) s.Progression(aidesFaits, aidesTotal);
    };

    for (long i = 2; i <= n; ++i) {
        if (i >= luEnAvance) luEnAvance = LireEnAvance(s, quarter, Tableau, i);
        const std::string aide = Tableau.element(static_cast<int>(i), 2);
        const std::string precedent = Tableau.element(static_cast<int>(i - 1), 2);
        if (aide != precedent) {
            // The next aidé's regularisation, read first at its turn, comes back with this
            // aidé's writes.
            if (s.TheDatabase) s.TheDatabase->readAlongTheNextUnit({{"REGULDNT", {aide}}});
            TraiterAide(s, quarter, Tableau, precedent, passer);
            progresser();
            // Between two aidés the person may stop the run: the aidés done stay printed
            // and written, the others are not begun.
            if (s.StopRequested && s.StopRequested()) {
                s.outcome.stopped = dnt::RunOutcome::Stop{aidesFaits, aidesTotal};
                return;
            }
            EffacerAide(s, passer);
        }
        LireEnregistrement(s, passer, s.RecContrat, "CONTRAT", Tableau.element(static_cast<int>(i), 1));
        passer([&] { payroll::LectureDetailCalcul(s, quarter, static_cast<int>(i), Tableau); });
    }
    // The last aidé; the call ends with it, its lines stay as printed.
    TraiterAide(s, quarter, Tableau, Tableau.element(static_cast<int>(n), 2), passer);
    progresser();
}

}  // namespace declaration
