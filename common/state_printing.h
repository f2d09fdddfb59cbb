// The printing's part of the shared state: page flags, the row cursor and the records
// and requests that the declaration pages read.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "dba/database.h"
#include "dba/dynarray.h"

namespace dnt {

// What one aidant line of a declaration states, as printed (without the padding), for the
// structured export of a run: hours, net hourly wage, and the eight amounts in the order of
// the frame's columns (CSG RDS, S.SOC., RETR., SANTE, CSG.DE, F.PROF, PREVOY, ASSED.), ""
// for a cell printed blank.
struct DeclaredLine {
    std::string aidant, aidantName;
    std::string hours, netHourly;
    std::array<std::string, 8> amounts;
};

// What a declaration states for its aidé: its lines, the column totals (same order), the
// adjustment, the amounts due, the net amount to pay and the payment mode ("entite",
// "prelevement" or "aide").
struct AideDeclaration {
    std::string quarterKey, centre, aide, aideName;
    std::vector<DeclaredLine> lines;
    std::array<long, 8> totals{};
    long adjustment = 0, dueA = 0, dueB = 0, netToPay = 0;
    std::string payment;
};

struct PrintingState {
    // Page flags of the print loop: no page begun yet in this call; a page of the current
    // aidé is open; which URSSAF number the page header prints (false: the second one).
    bool PremierePage = true;
    bool PageCommencee = false;
    bool NumAffil1 = true;

    // Row of the selection reached while printing the aidant lines; 0 at the start of a
    // call, then only moved forward.
    long W_IndiceTableau = 0;

    // CONVENTIONCOL "02", read once per call of the print loop.
    dba::Record RecConvention;

    // Read by the page header and the payment paragraph.
    dba::Record RecAsso;          // ASSOCIATION of the centre
    dba::Record RecEtab;          // ETABLISSEMENT that pays for the aidé
    dba::Record RecEltsFactAide;  // ELTSFACTAIDE of the aidé: bank account and bank key
    dba::DynArray W_RequeteBic;   // the BIC request
    dba::DynArray RecBic;         // its result: value 3 of field 1 is the BIC

    // The structured export: the declaration being printed, and whom to tell when an
    // aidé's declaration is complete (nobody: nothing is gathered).
    AideDeclaration currentDeclaration;
    std::function<void(const AideDeclaration&)> onDeclared;
};

}  // namespace dnt
