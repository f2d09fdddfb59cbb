// The payroll computation of the declaration: quarter calendar, constants and rates of the
// quarter, aidant lines from the monthly calculation details, and the remaining exemption.
#pragma once

#include <string>

#include "common/state.h"
#include "dba/dynarray.h"

namespace payroll {

// Quarter calendar, from the quarter list's text (s.TexteTrimestre).
std::string DebutTrimestre(dnt::SharedState& s);
std::string FinTrimestre(dnt::SharedState& s);
bool ComprisDansTrimestre(dnt::SharedState& s, const std::string& W_Date);

// Constants and rates of the quarter.
void LectureRubSaisie(dnt::SharedState& s);
void LectureTypeExo(dnt::SharedState& s);
void LectureConstantesPaie(dnt::SharedState& s);
void ValeurdesCharges(dnt::SharedState& s);
void TauxUrssafDesCharges(dnt::SharedState& s);
void CreationCleFichierDetailChgPartemp(dnt::SharedState& s);
void Recherche_Age_Aidant(dnt::SharedState& s);

// Adds the calculation details of the contract of row Indice of Tableau into the aidant lines.
void LectureDetailCalcul(dnt::SharedState& s, int Indice, const dba::DynArray& Tableau);

// Contributions of the aidé, written into RecDetailChgPartemp; lowers W_Regul.
void CalculTepRestant(dnt::SharedState& s);

}  // namespace payroll
