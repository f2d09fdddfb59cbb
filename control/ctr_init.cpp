// Init: opens the files, applies the rights gate, fills the screen and, unattended,
// runs the print at once.
#include "numbers/numtext.h"
#include "control/ctr_controle.h"
#include "dba/errors.h"
#include "payroll/payroll.h"
#include "payroll/rubric_rates.h"

namespace control {

namespace {
const char* const kFichiersInit[] = {"ASSOCIATION",  "BIC",           "CENTREURSSAF", "CHGPARTEMP",
                                     "CIVILAIDE",    "CONVENTIONCOL", "DETAILCHGPARTEMP", "ELTSFACTAIDE",
                                     "ELTSPARTEMP",  "ETABLISSEMENT", "PERIODESPAIE", "PARAMPOLEEMPLOI",
                                     "RUBCHARGE",    "RUBSAISIE"};
}  // namespace

bool Ctr_ControleEditVardec::Init() {
    s.cm = dnt::Long32(567);
    occupe();
    if (!s.TheDatabase) throw dba::DbError(dba::kErrStorage, "the control was given no database");
    for (const char* nom : kFichiersInit) s.Fichiers[nom] = s.TheDatabase->DBOpenFile(nom);
    s.Requete.clear();
    appliquerDroits();
    payroll::LectureRubSaisie(s);
    s.W_Totaux.clear();
    for (int f = 1; f <= 3; ++f) s.W_Totaux.setElement(f, "0");
    Remplir_CboTrimestre();
    Cbo_Trimestre->setListIndex(0);
    const dnt::Quarter quarter = trimestreChoisi();
    lireTauxRubCharge(quarter);
    RequeteCentreUrssaf();
    RemplirCentreUrssaf();
    if (Cbo_CtrUrssaf->listCount() == 1) {
        Cbo_CtrUrssaf->setListIndex(0);
        GriserCentreUrssaf();
    }
    s.DoEvents();
    disponible();
    if (Txt_CtrUrssaf->enabled()) {
        Txt_CtrUrssaf->trySetFocus();
    } else if (droitsModule_ && droitsModule_->NiveauAcces() == 2) {
        Cmd_OK->trySetFocus();
    }
    Txt_DateRetour->setText(dba::DateExterne(quarter.lastDay() + 10));
    if (ModeOmr) {
        s.ModeOmr = true;
        s.W_NbPagesAvant = W_NbPagesAvant;
        s.W_NbPagesApres = W_NbPagesApres;
        s.W_NbPagesMax = W_NbPagesMax;
        Txt_CtrUrssaf->setText(W_CodeCentreUrssaf);
        for (int i = 0; i < Cbo_Trimestre->listCount(); ++i) {
            if (Cbo_Trimestre->list(i) == W_Trimestre) {
                Cbo_Trimestre->setListIndex(i);
                break;
            }
        }
        Cmd_OK_Click();
        Cmd_Sortir_Click();
    }
    return true;
}

void Ctr_ControleEditVardec::appliquerDroits() {
    if (!droitsModule_ || droitsModule_->NiveauAcces() != 2) Cmd_OK->setVisible(false);
}

dnt::Quarter Ctr_ControleEditVardec::trimestreChoisi() const {
    std::optional<dnt::Quarter> quarter = dnt::Quarter::fromLabel(Cbo_Trimestre->text());
    if (!quarter)
        throw dba::DbError(dba::kErrConversion, "\"" + Cbo_Trimestre->text() + "\" is not a quarter of the list");
    return *quarter;
}

void Ctr_ControleEditVardec::lireTauxRubCharge(const dnt::Quarter& quarter) {
    // Every step is trapped: a missing record or an unreadable rate leaves the rate at 0.
    s.W_TauxRubCharge = dnt::Long32(0);
    try {
        dba::Record param = s.fichier("PARAMPOLEEMPLOI").DBRead("1");
        if (param.element(1).empty()) return;
        dba::Record rub = s.fichier("RUBCHARGE").DBRead(param.element(1, 1));
        s.W_TauxRubCharge = payroll::TauxRubCharge(rub, quarter);
    } catch (const dnt::Error&) {
    }
}

}  // namespace control
