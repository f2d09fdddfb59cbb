// Building and running the contract sentence: base chain, payment-mode chains, sort.
#include "selection/requete_contrat.h"

#include "dba/sentence.h"
#include "selection/majuscules.h"

namespace selection {

std::string MajusculesNom(const std::string& text) { return upperCaseFrench(text); }

std::string PhraseContrat(const dnt::SharedState& s, const CriteresContrat& c, const dba::DynArray& ListeAideSelect) {
    using dba::quoted;
    std::string b;
    if (ListeAideSelect.text().empty()) {
        b = " AVEC 1 = " + quoted("02") + " AND AVEC CtrUrssafContrat = " + quoted(c.ctrUrssaf) +
            " AND AVEC 2 = " + quoted(s.W_CodeEntite) + " AND AVEC 65 # " + quoted("O");
        if (!c.de.empty()) b += " AND AVEC NomAideContrat >= " + quoted(MajusculesNom(c.de) + "]");
        if (!c.a.empty()) b += " AND AVEC NomAideContrat <= " + quoted(MajusculesNom(c.a) + "]");
        b += " AND AVEC 7 <= " + quoted(c.quarter.lastDayText()) + " AND AVEC 8 >= " + quoted(c.quarter.firstDayText()) +
             " OR = " + quoted("");
    } else {
        int n = ListeAideSelect.DCount();
        b = " AVEC 1 = " + quoted("02") + " AND AVEC CtrUrssafContrat = " + quoted(c.ctrUrssaf) +
            " AND AVEC 2 = " + quoted(s.W_CodeEntite) + " AND AVEC 3 = " + quoted(ListeAideSelect.element(1));
        for (int i = 2; i <= n; ++i) b += " OR = " + quoted(ListeAideSelect.element(i));
        b += " AND AVEC 65 # " + quoted("O") + " AND AVEC 7 <= " + quoted(c.quarter.lastDayText()) + " AND AVEC 8 >= " +
             quoted(c.quarter.firstDayText()) + " OR = " + quoted("");
    }
    std::string phrase = b;
    if (!(c.regltParEntite && c.prelevCpteAide && c.regltParAide)) {
        bool ajoute = false;
        if (c.regltParEntite) {
            phrase += " AND AVEC ChgURSSAFAideContrat = " + quoted("1");
            ajoute = true;
        }
        if (c.prelevCpteAide) {
            if (ajoute) phrase += " OR" + b;
            phrase += " AND AVEC ChgURSSAFAideContrat # " + quoted("1") + " AND AVEC IBANFactAide # " + quoted("");
            ajoute = true;
        }
        if (c.regltParAide) {
            if (ajoute) phrase += " OR" + b;
            phrase += " AND AVEC ChgURSSAFAideContrat # " + quoted("1") + " AND AVEC IBANFactAide = " + quoted("");
        }
    }
    switch (c.tri) {
    case Tri::Commune: phrase += " PAR LibCommuneAide"; break;
    case Tri::Secteur: phrase += " PAR CodSecteurContratAide"; break;
    case Tri::Responsable: phrase += " PAR ResponsableAideContrat"; break;
    case Tri::Alpha: break;
    }
    phrase += " PAR NomAideContrat PAR PrenomAideContrat PAR 3 PAR NomPrenomAidantContrat PAR CodeAidant PAR 7";
    return "SSELECT CONTRAT" + phrase;
}

void RequeteContrat(dnt::SharedState& s, const CriteresContrat& c, const dba::DynArray& ListeAideSelect) {
    s.Requete.clear();
    s.Requete.Replace(1, 0, 0, PhraseContrat(s, c, ListeAideSelect));
    s.Requete.Replace(2, 0, 0, "CONTRAT");
    s.Requete.Replace(3, 0, 0, "0 3");
    s.ResultatContrats.setText(s.TheDatabase->DBExecute(s.Requete.Extract(-1, -1, -1), ""));
}

}  // namespace selection
