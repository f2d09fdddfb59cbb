// LectureRubSaisie, LectureTypeExo and Recherche_Age_Aidant: the overtime pay rubrics
// (125 % and 150 %), the exemption types record, and the aidant age flags.
#include "payroll/history.h"
#include "payroll/payroll.h"

namespace payroll {

void LectureRubSaisie(dnt::SharedState& s) {
    const std::string Q = "\"";
    s.RubriquesHeuresSup = dba::DynArray();
    dba::DynArray requete;
    requete.Replace(1, 0, 0,
                    "SSELECT RUBSAISIE AVEC 19 = " + Q + "2" + Q + " AND AVEC 8 = " + Q + "2" + Q +
                        " AND AVEC 9 = " + Q + "1250000" + Q + " OR = " + Q + "1500000" + Q + " PAR 0");
    requete.Replace(2, 0, 0, "RUBSAISIE");
    requete.Replace(3, 0, 0, "0 9");
    s.RubriquesHeuresSup = dba::DynArray(s.TheDatabase->DBExecute(requete.Extract(-1, -1, -1), ""));
}

void LectureTypeExo(dnt::SharedState& s) { s.RecTypeExo = ouvrirFichier(s, "TYPEEXO").DBRead("1"); }

void Recherche_Age_Aidant(dnt::SharedState& s) {
    s.W_AgeAidantLigne = false;
    s.W_AgeAidantAide = false;
}

}  // namespace payroll
