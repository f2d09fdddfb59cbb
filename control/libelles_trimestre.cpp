// The quarter labels of the selection screen.
#include "control/libelles_trimestre.h"

#include "dba/database.h"
#include "dba/errors.h"

namespace control {

std::vector<std::string> LibellesTrimestres(const std::string& courante) {
    if (courante.size() != 6 || courante.find_first_not_of("0123456789") != std::string::npos)
        throw dba::DbError(dba::kErrConversion,
                           "the current pay period (record 1 of PERIODESPAIE) is not a yyyymm text: \"" + courante + "\"");
    int annee = std::stoi(courante.substr(0, 4));
    int mois = std::stoi(courante.substr(4, 2));
    if (mois < 1 || mois > 12)
        throw dba::DbError(dba::kErrConversion, "the current pay period has no month " + courante.substr(4, 2));
    int trimestre = (mois - 1) / 3 + 1;
    std::vector<std::string> libelles;
    for (int i = 0; i < 9; ++i) {
        libelles.push_back(std::to_string(trimestre) + (trimestre == 1 ? "er " : "ème") + " TRIMESTRE " +
                           std::to_string(annee));
        if (--trimestre == 0) {
            trimestre = 4;
            --annee;
        }
    }
    return libelles;
}

std::string LibelleTrimestre(const std::string& cle) {
    if (cle.size() != 5 || cle.find_first_not_of("0123456789") != std::string::npos || cle[4] < '1' || cle[4] > '4')
        return cle;
    const int dernierMois = (cle[4] - '0') * 3;
    return LibellesTrimestres(cle.substr(0, 4) + (dernierMois < 10 ? "0" : "") + std::to_string(dernierMois)).front();
}

std::vector<std::string> LibellesTrimestres(dba::Database& db) {
    return LibellesTrimestres(db.DBOpenFile("PERIODESPAIE")->DBRead("1").element(1));
}

}  // namespace control
