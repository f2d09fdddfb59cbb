// The demo database generator: a coherent declaration database of any size, the same
// for the same options, with the fixed cases of situations.h and random aidés around them.
#pragma once

#include <string>
#include <vector>

#include "dba/database.h"

namespace demo {

struct DemoOptions {
    int aides = 30;      // CIVILAIDE records; the first 24 are the fixed cases
    unsigned seed = 1;
    int annee = 2025;    // the latest quarter: the current pay period is its last month
    int trimestre = 4;
};

struct DemoSummary {
    long aides = 0;
    long aidesDeclares = 0;  // aidés with a contract to declare in the latest quarter
    long aidants = 0;
    long contrats = 0;
    long records = 0;        // all files together
    std::string libelleTrimestre;  // "4ème TRIMESTRE 2025"
    std::string cleTrimestre;      // "20254"
    std::string periode;           // "202512", PERIODESPAIE "1" field 1
    std::vector<std::string> centres;
};

// The files every demo database has, even when empty.
const std::vector<std::string>& demoFiles();

// Checks the options: 1 to 90000 aidés, a year from 2010 to 2099, a quarter from 1 to 4.
// Raises std::invalid_argument.
void checkOptions(const DemoOptions& o);

// Writes the whole database in one transaction: the files, the standard dictionary,
// the reference and payroll tables, the people, their contracts and pay details, and
// the records earlier declarations left. `db` is expected empty (records of the same
// keys are replaced, others are left).
DemoSummary generateDemo(dba::Database& db, const DemoOptions& o);

// "30 aidés (27 to declare), 52 aidants, 71 contracts, 2210 records; latest quarter
// "4ème TRIMESTRE 2025" (20254), pay period 202512; centres 75 92 93 94".
std::string summaryLine(const DemoSummary& s);

}  // namespace demo
