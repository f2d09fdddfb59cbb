// The payroll computation's part of the shared state: constants, rates and the
// intermediate figures of the current aidé.
#pragma once

#include <string>

#include "numbers/currency.h"
#include "numbers/integers.h"
#include "dba/database.h"
#include "dba/dynarray.h"

namespace dnt {

struct PayrollState {
    // Payroll constant (CONSTANTESPAIE "1") of each month of the quarter, as stored, in
    // fields 1 to 3, and what is derived from it.
    dba::DynArray TabConstantesPaie;
    double W_ValeurConstante = 0;      // quarter average / 100; then per contract line
    double W_ValeurConstanteTrim = 0;  // quarter average / 100, kept
    double W_ValeurConstante1 = 0;     // field 1 / 100
    std::string W_MoisConstante9;      // yyyymm of the field-9 date
    bool W_Constante9Depassee = false;  // today is after the field-9 date

    // The centre's rate over the quarter and the reduced values built on it.
    double W_TauxCentre = 0;
    double W_TauxCentreBis = 0;
    double W_TauxCentreNet = 0;
    double W_TauxCentreBisNet = 0;
    double W_ValeurReduite = 0;
    double W_ValeurReduiteBis = 0;
    double W_Valeur1Reduite = 0;

    // Contribution rates of lines 1 to 8 at the quarter's end, percentages as currency text.
    dba::DynArray TabTauxCharges;

    // Overtime rubrics: one field each, value 1 the key, value 2 the rate, value 3 a
    // per-month sum of quantities.
    dba::DynArray RubriquesHeuresSup;

    dba::Record RecTypeExo;

    // The figures of an aidant line: the contribution history being averaged (one CHGPARTEMP
    // record, reused for every key) and the first days of the quarter's three months (fields
    // 1 to 3, day numbers).
    dba::Record RecChgPartemp;
    dba::DynArray TabDebutsMois;

    // Calculation details of the current contract line.
    dba::Record RecDetailCalcul;
    double W_TauxLigne = 0;
    double W_MontantMois = 0;
    Int16 W_HeuresSup125{0};
    Int16 W_HeuresSup150{0};

    // The two flags of Recherche_Age_Aidant: one per contract line, tested while reading the
    // calculation details; one per aidé, read by the remaining exemption and cleared by the
    // print loop. Nothing sets them to true.
    bool W_AgeAidantLigne = false;
    bool W_AgeAidantAide = false;

    // The collective agreement's ceiling code ("M" monthly), set by the print loop.
    std::string W_CodeConvention;

    // Results of the remaining exemption.
    Currency W_TotalCharges;
    double W_DeductionHeures = 0;
};

}  // namespace dnt
