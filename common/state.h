// The control's shared state, the variables module Mod_VarEditDntVardec with the control's
// working members: the variables that the screen, the run driver, the payroll computation
// and the printing share during a run, under their usual names.
// The payroll and printing variables live in their own structs, merged in here.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "numbers/currency.h"
#include "numbers/integers.h"
#include "common/aidant_lines.h"
#include "common/contribution_columns.h"
#include "common/state_payroll.h"
#include "common/state_printing.h"
#include "dba/database.h"

namespace rights {
class ModuleRights;
}
namespace printing {
class Printer;
}

namespace dnt {

// What a run has done, for its host: the aidés whose declaration was printed (each once,
// whatever the number of copies), in print order, and those whose records could not be
// written (neither of the two was kept).
struct RunOutcome {
    struct Failure {
        std::string aide;
        int32_t number = 0;
        std::string reason;
    };
    std::vector<std::string> printedAides;
    std::vector<Failure> failures;
    std::set<std::string> seen;
    void printed(const std::string& aide) {
        if (seen.insert(aide).second) printedAides.push_back(aide);
    }
    // Whether the records of the run were committed (false for a run rolled back), and the
    // run's number in the history (0 when it wrote nothing).
    bool written = false;
    long long run = 0;
};

struct CoreState {
    // The database and the files opened by Init and by each run, by file name.
    std::shared_ptr<dba::Database> TheDatabase;
    std::map<std::string, std::shared_ptr<dba::File>> Fichiers;
    dba::File& fichier(const std::string& name) const {
        auto it = Fichiers.find(name);
        if (it == Fichiers.end() || !it->second) throw std::logic_error("file " + name + " is not open");
        return *it->second;
    }
    // The request dynamic array every query is built in.
    dba::DynArray Requete;

    // Twips in one centimetre.
    Long32 cm{567};

    // The centre chosen on the screen.
    dba::Record RecCentre;
    std::string W_CodeEntite;
    std::string TexteCtrUrssaf;  // the centre code as typed

    // Current records of the run.
    dba::Record RecContrat, RecAide, RecAidant, RecEltsPartemp, RecRegulDnt, RecDetailChgPartemp;

    // The aidant lines of the current aidé and its running totals.
    AidantLines W_LignesAidants;
    Long32 W_NbAidants{0};
    dba::DynArray W_Totaux;
    Currency W_TotalLignes;
    Long32 W_Regul{0};
    Long32 W_RegulInitiale{0};
    Long32 W_DateCalcul{0};

    // The eight column totals of the current aidé (W_TotalCsgRds ... W_TotalAssed, one per
    // column of the table): the payroll adds each aidant's contributions, the totals block
    // prints them and the charge detail keeps the ASSED. one.
    ContributionTotals columnTotals;

    // Set by the run driver.
    std::string W_TypeEdition;
    Long32 W_TauxRubCharge{0};
    Long32 TauxRub922{0}, TauxRub908{0};
    dba::DynArray W_AidesSelectionnes;
    bool SelectionAnnulee = false;
    dba::DynArray ResultatContrats;

    // The unattended members the printing reads.
    bool ModeOmr = false;
    Int16 W_NbPagesAvant{0}, W_NbPagesApres{0}, W_NbPagesMax{0};

    // The user's rights for this module, the current printer, today's day number.
    rights::ModuleRights* Droits = nullptr;
    printing::Printer* Imprimante = nullptr;
    long Aujourdhui = 0;

    RunOutcome outcome;

    // Lets pending window events run (a no-op when nothing is shown).
    std::function<void()> DoEvents = [] {};
    // Told after each aidé of the print loop: aidés done, aidés of the selection.
    std::function<void(long fait, long total)> Progression;
    // Sends a printer command ("NEWPAGE", "ENDDOC") to the handler that draws the marks.
    std::function<void(const std::string&)> CommandeImprimante = [](const std::string&) {};
};

struct SharedState : CoreState, PayrollState, PrintingState {};

}  // namespace dnt
