// The payroll computation of the declaration: quarter calendar, constants and rates of the
// quarter, aidant lines from the monthly calculation details, and the remaining exemption.
#pragma once

#include <string>

#include "common/state.h"
#include "dba/dynarray.h"
#include "common/quarter.h"

namespace payroll {

// Whether a day number held as text (W_Date, empty: no) falls inside the quarter.
bool ComprisDansTrimestre(const dnt::Quarter& quarter, const std::string& W_Date);

// Constants and rates of the quarter.
void LectureRubSaisie(dnt::SharedState& s);
void LectureTypeExo(dnt::SharedState& s);
void LectureConstantesPaie(dnt::SharedState& s, const dnt::Quarter& quarter);
void ValeurdesCharges(dnt::SharedState& s, const dnt::Quarter& quarter);
void TauxUrssafDesCharges(dnt::SharedState& s, const dnt::Quarter& quarter);
void CreationCleFichierDetailChgPartemp(dnt::SharedState& s, const dnt::Quarter& quarter);
void Recherche_Age_Aidant(dnt::SharedState& s);

// Adds the calculation details of the contract of row Indice of Tableau into the aidant lines.
void LectureDetailCalcul(dnt::SharedState& s, const dnt::Quarter& quarter, int Indice, const dba::DynArray& Tableau);

// Contributions of the aidé, written into RecDetailChgPartemp; lowers W_Regul.
void CalculTepRestant(dnt::SharedState& s, const dnt::Quarter& quarter);

}  // namespace payroll
