// The quarter labels the selection screen offers: nine quarters, newest first, from the
// current pay period. The command line checks a quarter against the same list.
#pragma once

#include <string>
#include <vector>

namespace dba {
class Database;
}

namespace control {

// "1er  TRIMESTRE 2025", "4ème TRIMESTRE 2024", ... from the pay period "yyyymm"; a
// period that is not one raises DbError(kErrConversion).
std::vector<std::string> LibellesTrimestres(const std::string& periodeCourante);
// The label of a quarter key ("20254" gives "4ème TRIMESTRE 2025"); a text that is not a
// key is given back as it is.
std::string LibelleTrimestre(const std::string& cle);
// The same from record "1" of PERIODESPAIE.
std::vector<std::string> LibellesTrimestres(dba::Database& db);

}  // namespace control
