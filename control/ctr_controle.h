// The control that prints the quarterly nominative declarations: its public members,
// its selection screen (widget models) and the run behind its OK button.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "common/quarter.h"
#include "common/state.h"
#include "control/help.h"
#include "dba/utility.h"
#include "printing/printer_system.h"
#include "rights/droits.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/services.h"
#include "ui/text_box.h"

namespace control {

// What the host's platform provides to the control.
struct Environment {
    ui::Services* services = nullptr;             // pointer, enabling, events, messages, dialogs
    HelpService* help = nullptr;                  // the help viewer
    dba::Utilitaire* utilitaire = nullptr;        // printer choice and copy count
    printing::PrinterSystem* printers = nullptr;  // the system's printers
    std::function<long()> today;                  // today's day number
    std::string appPath = ".";                    // the application's folder
    // Runs the individual selection dialog for the centre; leaves the chosen aidés in
    // s.W_AidesSelectionnes and s.SelectionAnnulee set when it was left with "Retour".
    std::function<void(dnt::SharedState& s, const std::string& centre)> selectionIndividuelle;
    // False for a run that prints and writes nothing (a dry run): it reads one snapshot of
    // the database, keeps its writes in memory and takes no lock. A preview printer does
    // the same by itself.
    bool enregistrer = true;
    // How a run waits for another desk's run of the same quarter and centre.
    dba::RunWait attenteRun;
    // Who runs, with which options and to which output, for the history of runs (the
    // control adds the quarter, the centre and the time).
    std::function<dba::RunInfo()> descriptionRun;
};

class Ctr_ControleEditVardec {
public:
    static constexpr const char* kTitre = "Message TALMIRAN";
    static constexpr const char* kModule = "EDITIONDNTVARDEC";

    explicit Ctr_ControleEditVardec(Environment env);
    ~Ctr_ControleEditVardec();
    Ctr_ControleEditVardec(const Ctr_ControleEditVardec&) = delete;
    Ctr_ControleEditVardec& operator=(const Ctr_ControleEditVardec&) = delete;

    // Public members, in the order of the control's interface.
    bool W_Sortir = false;
    void setTheClient(std::shared_ptr<void> client) { TheClient_ = std::move(client); }
    void setTheDatabase(std::shared_ptr<dba::Database> db) { s.TheDatabase = std::move(db); }
    void setDroitsUtilisateur(std::shared_ptr<rights::DroitsUtilisateur> droits);
    bool Init();
    bool ModeOmr = false;
    long W_IndImpr = 0;
    dnt::Int16 W_NbPagesAvant{0};
    dnt::Int16 W_NbPagesApres{0};
    std::string W_Trimestre;
    std::string W_CodeAideOmr;
    std::string W_CodeCentreUrssaf;
    dnt::Int16 W_NbPagesMax{0};

    // The run and the exit.
    void Cmd_OK_Click();
    void Cmd_Sortir_Click();
    // The print loop a run calls for each copy (the declarations' printing).
    std::function<void(dnt::SharedState&, const dba::DynArray&, const dnt::Quarter&)> gestionRequete;
    // The printer command handler: draws the optical marks of the page being left.
    void CommandeImprimante(const std::string& commande);

    // The screen, for the host's view and for tests.
    ui::Form& surface() { return surface_; }
    dnt::SharedState& state() { return s; }
    const std::string& helpFile() const { return helpFile_; }

    // Screen procedures.
    void Remplir_CboTrimestre();
    void RequeteCentreUrssaf();
    void RemplirCentreUrssaf();
    void GriserCentreUrssaf();
    void DegriserCentreUrssaf();
    void GriserAsso() {}
    void DegriserAsso() {}
    void RequeteAsso() {}
    void RemplirAsso() {}

    // Widgets of the screen.
    ui::Label* Etq_Trimestre;
    ui::ComboBox* Cbo_Trimestre;
    ui::Label* Etq_CtrUrssaf;
    ui::TextBox* Txt_CtrUrssaf;
    ui::ComboBox* Cbo_CtrUrssaf;
    ui::Frame* Cdr_Selection;
    ui::Label *Etq_De, *Etq_A;
    ui::TextBox *Txt_De, *Txt_A;
    ui::CheckBox* Cac_SelecInd;
    ui::Frame* Cdr_Tri;
    ui::OptionButton *Opt_Alpha, *Opt_Commune, *Opt_Sect, *Opt_Resp;
    ui::Frame* Cdr_PiedDnt;
    ui::CheckBox *Cac_RegltParAide, *Cac_PrelevCpteAide, *Cac_RegltParEntite;
    ui::Label* Etq_DateRetour;
    ui::TextBox* Txt_DateRetour;
    ui::CommandButton *Cmd_OK, *Cmd_Sortir;
    ui::Menu *Mnu_Aide, *Mnu_Sommaire;

    dba::DynArray ResultatCentres;

private:
    void construireEcran();
    void brancherEvenements();
    void appliquerDroits();
    void lireTauxRubCharge(const dnt::Quarter& quarter);
    dnt::Long32 tauxRubrique(const std::string& rubrique, const dnt::Quarter& quarter);
    // The quarter chosen in the quarter list.
    dnt::Quarter trimestreChoisi() const;
    void occupe();    // hourglass, control disabled
    void disponible();  // pointer restored, control enabled
    void message(const std::string& text, ui::MsgIcon icon);
    void quitter();
    void Imprimer(long index, const dnt::Quarter& quarter);

    void Txt_CtrUrssaf_KeyPress(int& keyAscii);
    void Txt_CtrUrssaf_LostFocus();
    void Txt_CtrUrssaf_Change();
    void Cbo_CtrUrssaf_Click();
    void Cbo_CtrUrssaf_Change();
    void Cac_SelecInd_Click();
    void UserControl_MouseDown(int button, float x, float y);
    void Mnu_Sommaire_Click();

    Environment env_;
    dnt::SharedState s;
    std::shared_ptr<void> TheClient_;
    std::shared_ptr<rights::DroitsUtilisateur> DroitsUtilisateur_;
    std::shared_ptr<rights::ModuleRights> droitsModule_;
    ui::Form surface_{"Ctr_ControleEditVardec"};
    std::string helpFile_;
};

}  // namespace control
