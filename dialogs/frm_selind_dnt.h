// The individual selection window: the user picks aidés one by one, by code or by name,
// into a block of selected aidés kept in name order, then prints or goes back.
#pragma once

#include <functional>
#include <string>

#include "common/state.h"
#include "dba/dynarray.h"
#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/menu.h"
#include "ui/scroll_bar.h"
#include "ui/services.h"
#include "ui/text_box.h"

namespace dialogs {

class Frm_SelindDnt {
public:
    static constexpr const char* kTitre = "Message TALMIRAN";
    static constexpr const char* kCaption =
        "Edition des Déclarations Nominatives Trimestrielles  : sélection individuelle";
    // Rows each block shows at once; the scroll bars are fitted to them.
    static constexpr int kLignesPos = 7;
    static constexpr int kLignesSel = 10;

    // `help` opens the help contents (Mnu_Sommaire); it may be empty.
    Frm_SelindDnt(dnt::SharedState& s, ui::Services& services, std::function<void()> help = {});
    Frm_SelindDnt(const Frm_SelindDnt&) = delete;
    Frm_SelindDnt& operator=(const Frm_SelindDnt&) = delete;

    // Public members of the window. The run driver sets W_CentreUrssaf before Init.
    bool W_SortirSelindDnt = false;
    std::string W_CentreUrssaf;
    void Init();

    ui::Form& form() { return form_; }

    // Widgets of the window.
    ui::Label* Etq_Aide;
    ui::TextBox* Txt_CodAide;
    ui::TextBox* Txt_NomPrenomAide;
    ui::CommandButton* Cmd_Recherche;
    ui::Frame* Fra_Pos;
    ui::Label *Etq_CodPos, *Etq_NomPrenomPos, *Etq_AdressePos;
    ui::ListBox *Lst_CodPos, *Lst_NomPrenomPos, *Lst_AdressePos;
    ui::VScrollBar* Bdv_Pos;
    ui::CommandButton* Cmd_SelectAides;
    ui::CommandButton* Cmd_SuppAides;
    ui::Frame* Fra_Selec;
    ui::Label *Etq_CodSel, *Etq_NomPrenomSel, *Etq_AdresseSel;
    ui::ListBox *Lst_CodSel, *Lst_NomPrenomSel, *Lst_AdresseSel;
    ui::VScrollBar* Bdv_Sel;
    ui::CommandButton* Cmd_Imprimer;
    ui::CommandButton* Cmd_Retour;
    ui::Menu *Mnu_Aide, *Mnu_Sommaire;

    // Result of the last name search.
    dba::DynArray ResultatAides;

    // Procedures of the window.
    void RequeteAides();
    void Remplir_ListsPosRequete();
    void Remplir_ListsPos(const std::string& code, const std::string& nom, const std::string& adresse);
    void ClearListesPos();
    void AjouterSelectAidesList(ui::ListBox& ListPos, ui::ListBox& ListSelect);
    void SupprimerSelectAidesList(ui::ListBox& ListSelect);
    int RecherchePlaceAjout(const std::string& Texte) const;
    void RenvoieClick(ui::ListBox& ListClick, ui::ListBox& ListDest);
    bool VerifZones();
    std::string MiseEnFormeAdresse1Req(const dba::DynArray& Requete, int Indice, int IndiceReq) const;

    // Event handlers, under the toolkit's names.
    void Txt_CodAide_KeyPress(int& keyAscii);
    void Txt_CodAide_LostFocus();
    void Txt_CodAide_Change();
    void Txt_NomPrenomAide_KeyPress(int& keyAscii);
    void Txt_NomPrenomAide_Change();
    void Cmd_Recherche_Click();
    void Cmd_SelectAides_Click();
    void Cmd_SuppAides_Click();
    void Bdv_Pos_Change();
    void Bdv_Sel_Change();
    void Cmd_Imprimer_Click();
    void Cmd_Retour_Click();
    void Form_Unload(int& cancel);
    void Form_MouseDown(int button, float x, float y);
    void Mnu_Sommaire_Click();

private:
    void construireFenetre();
    void brancherEvenements();
    void brancherBloc(ui::ListBox& cod, ui::ListBox& nom, ui::ListBox& adresse, bool possibles);
    void occupe();      // hourglass, window disabled
    void disponible();  // pointer restored, window enabled
    void message(const std::string& text);
    // The code box is emptied and takes the focus, after a refused code.
    void refuserCode(const std::string& text);
    dba::File& fichier(const std::string& name);

    dnt::SharedState& s;
    ui::Services& services_;
    std::function<void()> help_;
    ui::Form form_{"Frm_SelindDnt", kCaption};
};

}  // namespace dialogs
