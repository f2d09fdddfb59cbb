// LireEnAvance: the records of the next aidés, asked for together.
#include "declaration/read_ahead.h"

#include <map>

#include "dba/database.h"

namespace declaration {

namespace {
// Aidés read ahead at a time: a few round trips for a whole quarter, and a bounded memory.
constexpr int kAidesAhead = 64;
}  // namespace

long LireEnAvance(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, long from) {
    const long n = Tableau.DCount();
    if (!s.TheDatabase || from > n) return n + 1;
    // The quarter's months, as the calculation details are keyed (contract, year, month).
    const std::string annee = std::to_string(quarter.year());
    std::map<std::string, std::vector<std::string>> keys;
    long i = from;
    int aides = 0;
    for (; i <= n; ++i) {
        const std::string aide = Tableau.element(static_cast<int>(i), 2);
        if (i == from || aide != Tableau.element(static_cast<int>(i - 1), 2)) {
            if (++aides > kAidesAhead) break;
            for (const char* file : {"CIVILAIDE", "ELTSPARTEMP", "ELTSFACTAIDE"}) keys[file].push_back(aide);
        }
        const std::string contrat = Tableau.element(static_cast<int>(i), 1);
        keys["CONTRAT"].push_back(contrat);
        keys["CIVILAIDANT"].push_back(contrat.substr(0, 5));
        for (int m : quarter.months())
            keys["DETAILCALCUL"].push_back(contrat + annee + (m < 10 ? "0" : "") + std::to_string(m));
    }
    s.TheDatabase->storage().readAhead({keys.begin(), keys.end()});
    return i;
}

}  // namespace declaration
