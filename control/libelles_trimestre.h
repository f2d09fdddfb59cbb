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
// The same from record "1" of PERIODESPAIE.
std::vector<std::string> LibellesTrimestres(dba::Database& db);

}  // namespace control
