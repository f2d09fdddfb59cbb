// The quarter labels of the selection screen.
#include "control/libelles_trimestre.h"

#include "common/quarter.h"
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
    std::vector<std::string> libelles;
    for (dnt::Quarter q = dnt::Quarter::containing(annee, mois); libelles.size() < 9; q = q.previous())
        libelles.push_back(q.label());
    return libelles;
}

std::string LibelleTrimestre(const std::string& cle) {
    const std::optional<dnt::Quarter> quarter = dnt::Quarter::fromKey(cle);
    return quarter ? quarter->label() : cle;
}

std::vector<std::string> LibellesTrimestres(dba::Database& db) {
    return LibellesTrimestres(db.DBOpenFile("PERIODESPAIE")->DBRead("1").element(1));
}

}  // namespace control
