// Cmd_OK_Click and Cmd_Sortir_Click: the run behind the OK button, and the exit button.
#include "numbers/numtext.h"
#include "control/ctr_controle.h"
#include "dba/errors.h"
#include "payroll/payroll.h"
#include "printing/matrix_rule.h"
#include "payroll/rubric_rates.h"
#include "selection/requete_contrat.h"

namespace control {

// The rate of a charge rubric of the run (payroll::TauxRubrique); 0 when the rubric does
// not exist.
dnt::Long32 Ctr_ControleEditVardec::tauxRubrique(const std::string& rubrique, const dnt::Quarter& quarter) {
    dba::Record rec;
    try {
        rec = s.fichier("RUBCHARGE").DBRead(rubrique);
    } catch (const dba::DbError& e) {
        if (e.number() == dba::kErrKeyAbsent) return dnt::Long32(0);
        throw;
    }
    return payroll::TauxRubrique(rec, quarter);
}

void Ctr_ControleEditVardec::Cmd_OK_Click() {
    // 1. The name range.
    if (!Cac_SelecInd->checked() && Txt_De->text().compare(Txt_A->text()) > 0) {
        message("Incohérence dans la sélection de l'aidé.", ui::MsgIcon::Warning);
        return;
    }
    // A double quote would end the value inside the selection sentence.
    if (Txt_De->text().find('"') != std::string::npos || Txt_A->text().find('"') != std::string::npos) {
        message("Un nom de la sélection ne peut pas contenir de guillemet (\").", ui::MsgIcon::Warning);
        return;
    }
    // 2-3. The quarter of the run, from the quarter list: its days, months and key
    // (W_DebutTrimestre, W_FinTrimestre, W_CleTrimestre...) travel with it as one value.
    occupe();
    const dnt::Quarter quarter = trimestreChoisi();
    if (env_.today) s.Aujourdhui = env_.today();
    // 4-8. The files and rates of the run.
    for (const char* nom : {"CONTRAT", "CIVILAIDANT", "REGULDNT"}) s.Fichiers[nom] = s.TheDatabase->DBOpenFile(nom);
    payroll::LectureTypeExo(s);
    payroll::LectureConstantesPaie(s, quarter);
    s.TauxRub922 = tauxRubrique("922", quarter);
    s.TauxRub908 = tauxRubrique("908", quarter);
    payroll::ValeurdesCharges(s, quarter);
    // 9. The details file and the working arrays.
    s.Fichiers["DETAILCALCUL"] = s.TheDatabase->DBOpenFile("DETAILCALCUL");
    s.W_LignesAidants.clear();
    s.W_AidesSelectionnes.clear();
    if (ModeOmr) s.W_AidesSelectionnes.setElement(1, W_CodeAideOmr);
    // 10. The aidés chosen one by one.
    if (Cac_SelecInd->checked()) {
        s.SelectionAnnulee = false;
        s.DoEvents();
        disponible();
        if (env_.selectionIndividuelle) env_.selectionIndividuelle(s, Txt_CtrUrssaf->text());
        if (s.SelectionAnnulee) {
            quitter();
            return;
        }
        occupe();
    }
    // 11-12. The contracts.
    selection::CriteresContrat c{quarter};
    c.ctrUrssaf = Txt_CtrUrssaf->text();
    c.de = Txt_De->text();
    c.a = Txt_A->text();
    c.regltParEntite = Cac_RegltParEntite->checked();
    c.prelevCpteAide = Cac_PrelevCpteAide->checked();
    c.regltParAide = Cac_RegltParAide->checked();
    c.tri = Opt_Commune->value() ? selection::Tri::Commune
            : Opt_Sect->value()  ? selection::Tri::Secteur
            : Opt_Resp->value()  ? selection::Tri::Responsable
                                 : selection::Tri::Alpha;
    selection::RequeteContrat(s, c, s.W_AidesSelectionnes);
    if (!ModeOmr && s.ResultatContrats.element(1).empty()) {
        s.DoEvents();
        disponible();
        message("Aucune sélection correspondant aux critères demandés.", ui::MsgIcon::Information);
        return;
    }
    s.DoEvents();
    disponible();
    // 14. Sector rights.
    if (droitsModule_) {
        droitsModule_->listeSecteurs().InitialiserListe();
        if (!ModeOmr && (!droitsModule_->TousSecteurs() || droitsModule_->listeSecteurs().Count() != 0)) {
            s.DoEvents();
            message("Attention : Vous n'avez pas accès à tous les secteurs.\r\n"
                    "Les aidés appartenant à des secteurs sur lesquels vous n'avez aucun droit seront exclus de la liste.",
                    ui::MsgIcon::Warning);
        }
    }
    // 15-16. The printer and the copies.
    long index;
    if (ModeOmr) {
        index = W_IndImpr;
        if (env_.utilitaire) env_.utilitaire->setNombreExemplaires(1);
    } else {
        index = env_.utilitaire ? dnt::CLngText(env_.utilitaire->ChoixImprimante()).value() : -1;
    }
    s.DoEvents();
    Imprimer(index, quarter);
}

// Steps 16 to 18: the copies on the printer of that index (none for -1), the end of the
// document and of the screen.
void Ctr_ControleEditVardec::Imprimer(long index, const dnt::Quarter& quarter) {
    // The records of the run are one transaction, kept only when the printer has the whole
    // document and before it hands it over (a file put in place, a job sent): no
    // declaration is delivered without its records, no records are kept without their
    // declaration. The run is recorded in the history of runs with what it wrote. A
    // failure on the way rolls it back and abandons the document. A dry run, or a run on
    // the preview, reads one snapshot and writes nothing anywhere.
    dba::Database* base = s.TheDatabase.get();
    s.outcome = {};
    bool essai = false;
    auto abandonner = [&] {
        if (!base) return;
        if (essai) base->endDryRun();
        else base->rollbackRun();
    };
    try {
        if (index != -1 && env_.printers) {
            printing::Printer& imprimante = env_.printers->select(index);
            s.Imprimante = &imprimante;
            if (base) {
                essai = !env_.enregistrer || imprimante.preview();
                if (essai) {
                    base->beginDryRun();
                } else {
                    dba::RunInfo run = env_.descriptionRun ? env_.descriptionRun() : dba::RunInfo{};
                    run.quarter = quarter.key();
                    run.centre = Txt_CtrUrssaf->text();
                    if (run.time.empty()) run.time = dba::historyTime();
                    base->beginRun(run, env_.attenteRun);
                }
            }
            long copies = env_.utilitaire ? env_.utilitaire->NombreExemplaires() : 1;
            // 17. Every copy.
            for (long copie = 1; copie <= copies; ++copie) {
                if (copie > 1) {
                    CommandeImprimante("NEWPAGE");
                    imprimante.newPage();
                }
                if (printing::isMatrixPrinterName(imprimante.deviceName())) {
                    occupe();
                    s.W_TypeEdition = "";
                    if (gestionRequete) gestionRequete(s, s.ResultatContrats, quarter);
                    s.DoEvents();
                    disponible();
                } else {
                    imprimante.setFontSize(11);
                    imprimante.setFontName("Courier New");
                    s.DoEvents();
                    occupe();
                    s.W_TypeEdition = "D";
                    if (gestionRequete) gestionRequete(s, s.ResultatContrats, quarter);
                    s.DoEvents();
                    disponible();
                }
            }
        }
        // 18. End of the document and of the screen.
        CommandeImprimante("ENDDOC");
        if (env_.printers) {
            printing::Printer& imprimante = s.Imprimante ? *s.Imprimante : env_.printers->current();
            imprimante.setBeforeDelivery([&] {
                if (!base) return;
                if (essai) {
                    base->endDryRun();
                } else if (base->inRun()) {
                    s.outcome.run = base->commitRun();
                    s.outcome.written = true;
                }
            });
            struct Oubli {
                printing::Printer& p;
                ~Oubli() { p.setBeforeDelivery(nullptr); }
            } oubli{imprimante};
            imprimante.endDoc();
        }
        // A document that was never begun (no printer) leaves the run to end here.
        abandonner();
    } catch (...) {
        abandonner();
        if (s.Imprimante) s.Imprimante->abandonDoc();
        throw;
    }
    quitter();
}

void Ctr_ControleEditVardec::Cmd_Sortir_Click() { quitter(); }

}  // namespace control
