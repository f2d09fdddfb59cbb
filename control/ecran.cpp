// The selection screen: its widgets with their captions and first state, the quarter list
// (Remplir_CboTrimestre) and the centre list (RequeteCentreUrssaf, RemplirCentreUrssaf,
// GriserCentreUrssaf, DegriserCentreUrssaf).
#include "common/procs.h"
#include "control/ctr_controle.h"
#include "control/libelles_trimestre.h"
#include "dba/errors.h"

namespace control {

void Ctr_ControleEditVardec::construireEcran() {
    ui::Form& f = surface_;
    Etq_Trimestre = &f.add<ui::Label>("Etq_Trimestre", nullptr, "Trimestre concerné");
    Cbo_Trimestre = &f.add<ui::ComboBox>("Cbo_Trimestre", nullptr, ui::ComboStyle::DropDownList);
    Etq_CtrUrssaf = &f.add<ui::Label>("Etq_CtrUrssaf", nullptr, "Centre URSSAF");
    Txt_CtrUrssaf = &f.add<ui::TextBox>("Txt_CtrUrssaf");
    Cbo_CtrUrssaf = &f.add<ui::ComboBox>("Cbo_CtrUrssaf", nullptr, ui::ComboStyle::DropDownCombo);
    Cdr_Selection = &f.add<ui::Frame>("Cdr_Selection", nullptr, "Sélection de l'aidé");
    Etq_De = &f.add<ui::Label>("Etq_De", Cdr_Selection, "de");
    Txt_De = &f.add<ui::TextBox>("Txt_De", Cdr_Selection);
    Etq_A = &f.add<ui::Label>("Etq_A", Cdr_Selection, "à");
    Txt_A = &f.add<ui::TextBox>("Txt_A", Cdr_Selection);
    Cac_SelecInd = &f.add<ui::CheckBox>("Cac_SelecInd", nullptr, "Sélection individuelle");
    Cdr_Tri = &f.add<ui::Frame>("Cdr_Tri", nullptr, "Tri");
    Opt_Alpha = &f.add<ui::OptionButton>("Opt_Alpha", Cdr_Tri, "Ordre alphabétique");
    Opt_Commune = &f.add<ui::OptionButton>("Opt_Commune", Cdr_Tri, "Commune");
    Opt_Sect = &f.add<ui::OptionButton>("Opt_Sect", Cdr_Tri, "Secteur");
    Opt_Resp = &f.add<ui::OptionButton>("Opt_Resp", Cdr_Tri, "Responsable");
    Cdr_PiedDnt = &f.add<ui::Frame>("Cdr_PiedDnt", nullptr, "Pied D.N.T.");
    Cac_RegltParAide = &f.add<ui::CheckBox>("Cac_RegltParAide", Cdr_PiedDnt, "Règlement à envoyer par l'aidé");
    Cac_PrelevCpteAide =
        &f.add<ui::CheckBox>("Cac_PrelevCpteAide", Cdr_PiedDnt, "Prélèvement sur le compte bancaire de l'aidé");
    Cac_RegltParEntite =
        &f.add<ui::CheckBox>("Cac_RegltParEntite", Cdr_PiedDnt, "Règlement direct par l'entité juridique");
    Etq_DateRetour = &f.add<ui::Label>("Etq_DateRetour", nullptr, "Date de retour");
    Txt_DateRetour = &f.add<ui::TextBox>("Txt_DateRetour");
    Cmd_OK = &f.add<ui::CommandButton>("Cmd_OK", nullptr, "OK");
    Cmd_Sortir = &f.add<ui::CommandButton>("Cmd_Sortir", nullptr, "Sortir");
    Mnu_Aide = &f.addMenu("Mnu_Aide", "Aide");
    Mnu_Sommaire = &f.addMenu("Mnu_Sommaire", "Aide_TALMIRAN", Mnu_Aide);

    Opt_Alpha->setValue(true);
    Cac_RegltParAide->setValue(ui::CheckValue::Checked);
    Cac_PrelevCpteAide->setValue(ui::CheckValue::Checked);
    Cac_RegltParEntite->setValue(ui::CheckValue::Checked);
    Cmd_OK->setEnabled(false);  // until a valid centre is entered
}

void Ctr_ControleEditVardec::brancherEvenements() {
    Txt_CtrUrssaf->onKeyPress = [this](int& k) { Txt_CtrUrssaf_KeyPress(k); };
    Txt_CtrUrssaf->onLostFocus = [this] { Txt_CtrUrssaf_LostFocus(); };
    Txt_CtrUrssaf->onChange = [this] { Txt_CtrUrssaf_Change(); };
    Cbo_CtrUrssaf->onClick = [this] { Cbo_CtrUrssaf_Click(); };
    Cbo_CtrUrssaf->onChange = [this] { Cbo_CtrUrssaf_Change(); };
    Cac_SelecInd->onClick = [this] { Cac_SelecInd_Click(); };
    Cmd_OK->onClick = [this] { Cmd_OK_Click(); };
    Cmd_Sortir->onClick = [this] { Cmd_Sortir_Click(); };
    Mnu_Sommaire->onClick = [this] { Mnu_Sommaire_Click(); };
    surface_.onHelpKey = [this] { Mnu_Sommaire_Click(); };  // F1 opens the same contents
    surface_.onMouseDown = [this](int button, int, float x, float y) { UserControl_MouseDown(button, x, y); };
    Cdr_Selection->onMouseDown = [this](int button, int, float x, float y) { UserControl_MouseDown(button, x, y); };
}

void Ctr_ControleEditVardec::Remplir_CboTrimestre() {
    dba::Record periode = s.fichier("PERIODESPAIE").DBRead("1");
    Cbo_Trimestre->clear();
    for (const std::string& libelle : LibellesTrimestres(periode.element(1))) Cbo_Trimestre->addItem(libelle);
}

void Ctr_ControleEditVardec::RequeteCentreUrssaf() {
    s.Requete.clear();
    s.Requete.Replace(1, 0, 0, "SSELECT CENTREURSSAF PAR 1");
    s.Requete.Replace(2, 0, 0, "CENTREURSSAF");
    s.Requete.Replace(3, 0, 0, "0 1");
    ResultatCentres.setText(s.TheDatabase->DBExecute(s.Requete.Extract(-1, -1, -1), ""));
}

void Ctr_ControleEditVardec::RemplirCentreUrssaf() {
    if (ResultatCentres.element(1).empty()) return;
    for (int i = 1; i <= ResultatCentres.DCount(); ++i) Cbo_CtrUrssaf->addItem(ResultatCentres.element(i, 2));
}

void Ctr_ControleEditVardec::GriserCentreUrssaf() {
    Etq_CtrUrssaf->setEnabled(false);
    Txt_CtrUrssaf->setEnabled(false);
    Cbo_CtrUrssaf->setEnabled(false);
}

void Ctr_ControleEditVardec::DegriserCentreUrssaf() {
    Etq_CtrUrssaf->setEnabled(true);
    Txt_CtrUrssaf->setEnabled(true);
    Cbo_CtrUrssaf->setEnabled(true);
}

}  // namespace control
