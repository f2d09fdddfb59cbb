// The selection window's widgets with their captions and first state, the wiring of
// their events, Init, and the pointer, enabling and message helpers.
#include "dialogs/frm_selind_dnt.h"

#include "common/procs.h"

namespace dialogs {

Frm_SelindDnt::Frm_SelindDnt(dnt::SharedState& state, ui::Services& services, std::function<void()> help)
    : s(state), services_(services), help_(std::move(help)) {
    construireFenetre();
    brancherEvenements();
}

void Frm_SelindDnt::construireFenetre() {
    ui::Form& f = form_;
    Etq_Aide = &f.add<ui::Label>("Etq_Aide", nullptr, "Aidé");
    Txt_CodAide = &f.add<ui::TextBox>("Txt_CodAide");
    Txt_NomPrenomAide = &f.add<ui::TextBox>("Txt_NomPrenomAide");
    Cmd_Recherche = &f.add<ui::CommandButton>("Cmd_Recherche", nullptr, "Recherche");

    Fra_Pos = &f.add<ui::Frame>("Fra_Pos", nullptr, "Possibles ");
    Etq_CodPos = &f.add<ui::Label>("Etq_CodPos", Fra_Pos, "Code");
    Etq_NomPrenomPos = &f.add<ui::Label>("Etq_NomPrenomPos", Fra_Pos, "Nom Prénom ");
    Etq_AdressePos = &f.add<ui::Label>("Etq_AdressePos", Fra_Pos, "Adresse");
    Lst_CodPos = &f.add<ui::ListBox>("Lst_CodPos", Fra_Pos, ui::MultiSelect::Simple);
    Lst_NomPrenomPos = &f.add<ui::ListBox>("Lst_NomPrenomPos", Fra_Pos, ui::MultiSelect::Simple);
    Lst_AdressePos = &f.add<ui::ListBox>("Lst_AdressePos", Fra_Pos, ui::MultiSelect::Simple);
    Bdv_Pos = &f.add<ui::VScrollBar>("Bdv_Pos", Fra_Pos);

    // Picture buttons: the view draws their arrows; they carry no caption.
    Cmd_SelectAides = &f.add<ui::CommandButton>("Cmd_SelectAides");
    Cmd_SuppAides = &f.add<ui::CommandButton>("Cmd_SuppAides");

    Fra_Selec = &f.add<ui::Frame>("Fra_Selec", nullptr, "Sélectionnés ");
    Etq_CodSel = &f.add<ui::Label>("Etq_CodSel", Fra_Selec, "Code");
    Etq_NomPrenomSel = &f.add<ui::Label>("Etq_NomPrenomSel", Fra_Selec, "Nom Prénom ");
    Etq_AdresseSel = &f.add<ui::Label>("Etq_AdresseSel", Fra_Selec, "Adresse");
    Lst_CodSel = &f.add<ui::ListBox>("Lst_CodSel", Fra_Selec, ui::MultiSelect::Simple);
    Lst_NomPrenomSel = &f.add<ui::ListBox>("Lst_NomPrenomSel", Fra_Selec, ui::MultiSelect::Simple);
    Lst_AdresseSel = &f.add<ui::ListBox>("Lst_AdresseSel", Fra_Selec, ui::MultiSelect::Simple);
    Bdv_Sel = &f.add<ui::VScrollBar>("Bdv_Sel", Fra_Selec);

    Cmd_Imprimer = &f.add<ui::CommandButton>("Cmd_Imprimer", nullptr, "Imprimer");
    Cmd_Retour = &f.add<ui::CommandButton>("Cmd_Retour", nullptr, "Retour");
    Mnu_Aide = &f.addMenu("Mnu_Aide", "Aide");
    Mnu_Sommaire = &f.addMenu("Mnu_Sommaire", "Aide_TALMIRAN", Mnu_Aide);

    for (ui::ListBox* l : {Lst_CodPos, Lst_NomPrenomPos, Lst_AdressePos}) l->setVisibleRows(kLignesPos);
    for (ui::ListBox* l : {Lst_CodSel, Lst_NomPrenomSel, Lst_AdresseSel}) l->setVisibleRows(kLignesSel);
    Bdv_Pos->setLargeChange(kLignesPos);
    Bdv_Sel->setLargeChange(kLignesSel);
    dnt::AjusterDefilement(*Bdv_Pos, *Lst_CodPos, kLignesPos);
    dnt::AjusterDefilement(*Bdv_Sel, *Lst_CodSel, kLignesSel);

    // Nothing to search, list, move or print yet.
    Cmd_Recherche->setEnabled(false);
    Fra_Pos->setEnabled(false);
    Cmd_SelectAides->setEnabled(false);
    Cmd_SuppAides->setEnabled(false);
    Cmd_Imprimer->setEnabled(false);
}

void Frm_SelindDnt::brancherEvenements() {
    Txt_CodAide->onKeyPress = [this](int& k) { Txt_CodAide_KeyPress(k); };
    Txt_CodAide->onLostFocus = [this] { Txt_CodAide_LostFocus(); };
    Txt_CodAide->onChange = [this] { Txt_CodAide_Change(); };
    Txt_NomPrenomAide->onKeyPress = [this](int& k) { Txt_NomPrenomAide_KeyPress(k); };
    Txt_NomPrenomAide->onChange = [this] { Txt_NomPrenomAide_Change(); };
    Cmd_Recherche->onClick = [this] { Cmd_Recherche_Click(); };
    Cmd_SelectAides->onClick = [this] { Cmd_SelectAides_Click(); };
    Cmd_SuppAides->onClick = [this] { Cmd_SuppAides_Click(); };
    brancherBloc(*Lst_CodPos, *Lst_NomPrenomPos, *Lst_AdressePos, true);
    brancherBloc(*Lst_CodSel, *Lst_NomPrenomSel, *Lst_AdresseSel, false);
    Bdv_Pos->onChange = [this] { Bdv_Pos_Change(); };
    Bdv_Sel->onChange = [this] { Bdv_Sel_Change(); };
    Cmd_Imprimer->onClick = [this] { Cmd_Imprimer_Click(); };
    Cmd_Retour->onClick = [this] { Cmd_Retour_Click(); };
    form_.onUnload = [this](int& cancel) { Form_Unload(cancel); };
    auto souris = [this](int button, int, float x, float y) { Form_MouseDown(button, x, y); };
    form_.onMouseDown = souris;
    Fra_Pos->onMouseDown = souris;
    Fra_Selec->onMouseDown = souris;
    Mnu_Sommaire->onClick = [this] { Mnu_Sommaire_Click(); };
    form_.onHelpKey = [this] { Mnu_Sommaire_Click(); };  // F1 opens the same contents
}

// The three lists of a block: a click passes the marks on to the next list (code, name,
// address, and back to code); a double click adds or removes the marked aidés; a list
// scrolled by itself takes the two others along, so that their rows stay side by side.
void Frm_SelindDnt::brancherBloc(ui::ListBox& cod, ui::ListBox& nom, ui::ListBox& adresse, bool possibles) {
    ui::ListBox* listes[3] = {&cod, &nom, &adresse};
    for (int i = 0; i < 3; ++i) {
        ui::ListBox* l = listes[i];
        ui::ListBox* suivante = listes[(i + 1) % 3];
        l->onClick = [this, l, suivante] { RenvoieClick(*l, *suivante); };
        if (possibles) {
            l->onDblClick = [this] { AjouterSelectAidesList(*Lst_CodPos, *Lst_CodSel); };
        } else {
            l->onDblClick = [this] { SupprimerSelectAidesList(*Lst_CodSel); };
        }
        ui::ListBox* autres[2] = {listes[(i + 1) % 3], listes[(i + 2) % 3]};
        l->onScroll = [l, a = autres[0], b = autres[1]] {
            a->setTopIndex(l->topIndex());
            b->setTopIndex(l->topIndex());
        };
    }
}

void Frm_SelindDnt::Init() {
    W_SortirSelindDnt = false;
    s.SelectionAnnulee = false;
}

void Frm_SelindDnt::occupe() {
    services_.setMousePointer(ui::MousePointer::Hourglass);
    form_.setEnabled(false);
}

void Frm_SelindDnt::disponible() {
    form_.setEnabled(true);
    services_.setMousePointer(ui::MousePointer::Default);
}

void Frm_SelindDnt::message(const std::string& text) { services_.msgBox(text, ui::MsgIcon::Warning, kTitre); }

// The files are those the control opened; one that is not open yet is opened here.
dba::File& Frm_SelindDnt::fichier(const std::string& name) {
    auto it = s.Fichiers.find(name);
    if ((it == s.Fichiers.end() || !it->second) && s.TheDatabase) s.Fichiers[name] = s.TheDatabase->DBOpenFile(name);
    return s.fichier(name);
}

}  // namespace dialogs
