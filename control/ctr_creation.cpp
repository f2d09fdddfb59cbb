// Creation and destruction of the control (UserControl_Initialize, UserControl_Terminate),
// the objects the host hands it, and its help.
#include "control/ctr_controle.h"
#include "declaration/declaration.h"

namespace control {

Ctr_ControleEditVardec::Ctr_ControleEditVardec(Environment env) : env_(std::move(env)) {
    // The help file lies beside the application.
    helpFile_ = HelpFilePath(env_.appPath);
    construireEcran();
    brancherEvenements();
    s.DoEvents = [this] {
        if (env_.services) env_.services->doEvents();
    };
    s.CommandeImprimante = [this](const std::string& c) { CommandeImprimante(c); };
    gestionRequete = declaration::GestionRequete;
}

Ctr_ControleEditVardec::~Ctr_ControleEditVardec() {
    // Rights first, then the control's own objects, then the help, then the records,
    // the files and the database.
    s.Droits = nullptr;
    droitsModule_.reset();
    DroitsUtilisateur_.reset();
    s.ResultatContrats.clear();
    ResultatCentres.clear();
    if (env_.help) env_.help->quit(helpFile_);
    s.RecContrat = {};
    s.RecAide = {};
    s.RecAidant = {};
    s.RecEltsPartemp = {};
    s.RecRegulDnt = {};
    s.RecDetailChgPartemp = {};
    s.RecCentre = {};
    s.Fichiers.clear();
    s.TheDatabase.reset();
}

void Ctr_ControleEditVardec::setDroitsUtilisateur(std::shared_ptr<rights::DroitsUtilisateur> droits) {
    DroitsUtilisateur_ = std::move(droits);
    droitsModule_ = DroitsUtilisateur_ ? DroitsUtilisateur_->DroitsModule(kModule) : nullptr;
    s.Droits = droitsModule_.get();
}

void Ctr_ControleEditVardec::occupe() {
    if (!env_.services) return;
    env_.services->setMousePointer(ui::MousePointer::Hourglass);
    env_.services->setControlEnabled(false);
}

void Ctr_ControleEditVardec::disponible() {
    if (!env_.services) return;
    env_.services->setMousePointer(ui::MousePointer::Default);
    env_.services->setControlEnabled(true);
}

void Ctr_ControleEditVardec::message(const std::string& text, ui::MsgIcon icon) {
    if (env_.services) env_.services->msgBox(text, icon, kTitre);
}

void Ctr_ControleEditVardec::quitter() {
    W_Sortir = true;
    if (env_.services) env_.services->unloadHost();
}

void Ctr_ControleEditVardec::UserControl_MouseDown(int button, float x, float y) {
    if (button != 2) return;
    Mnu_Aide->setEnabled(true);
    Mnu_Sommaire->setEnabled(true);
    surface_.popupMenu(*Mnu_Aide, x, y);
}

void Ctr_ControleEditVardec::Mnu_Sommaire_Click() {
    if (env_.help) env_.help->openContents(helpFile_);
}

}  // namespace control
