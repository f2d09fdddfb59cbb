// The parts of the print loop GestionRequete, in the order it runs them for each aidé of
// the selection.
#pragma once

#include <string>

#include "common/error_trap.h"
#include "common/quarter.h"
#include "common/state.h"
#include "dba/dynarray.h"

namespace declaration {

using dnt::PassageErreurs;

// Reads a record into `rec`. Without the loop's error trap a failure goes up; with it the
// record is left empty, so that nothing of the previous aidé or contract is printed.
// Gives true when the read succeeded.
bool LireEnregistrement(dnt::SharedState& s, PassageErreurs& passer, dba::Record& rec, const std::string& fichier,
                        const std::string& cle);

// The whole of one aidé (code A) once its rows have been read: sector check, regularisation,
// charge detail, printed pages and records written.
void TraiterAide(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, const std::string& A,
                 PassageErreurs& passer);
// From the regularisation to the records written back, for an aidé that has lines.
void DeclarerAide(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, const std::string& A,
                  PassageErreurs& passer);

// Sets the loop's error trap, then reads the aidé's REGULDNT record and takes its unused
// amounts into W_Regul, stamping them with the quarter; writes the record back.
void LectureRegularisation(dnt::SharedState& s, const dnt::Quarter& quarter, const std::string& A, PassageErreurs& passer);

// Prints the aidant lines of aidé A, beginning pages as they fill, and moves the row cursor
// over the aidé's rows to read the contract of each line.
void ImprimeLignesAidants(dnt::SharedState& s, const dnt::Quarter& quarter, const dba::DynArray& Tableau, const std::string& A,
                          PassageErreurs& passer);

// Clears the aidant lines and running totals before the next aidé's rows are read.
void EffacerAide(dnt::SharedState& s, PassageErreurs& passer);

}  // namespace declaration
