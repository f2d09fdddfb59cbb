// ChiffresLigneAidant, what the declaration states for one aidant line: hours, net hourly wage, the eight
// amounts of the frame's columns and what the line adds to the aidé's charge-detail record,
// computed step by step in the order the aidant's block prints them.
#pragma once

#include <functional>
#include <string>

#include "common/state.h"
#include "common/quarter.h"

namespace payroll {

// The figures of one aidant line, filled in as the computation goes; a field that the
// computation has not reached keeps its initial value.
struct ChiffresAidant {
    std::string Heures;      // hours declared, as the charge detail stores them
    std::string NetHoraire;  // net hourly wage
    // The contributions, whole amounts (0: none), and SANTE, value 10 of the line as it is.
    double CsgRds = 0, SSoc = 0, Retr = 0;
    std::string Sante;
    double CsgDe = 0, FProf = 0, Prevoy = 0, Assed = 0;
    // The line went into the charge detail (fields 2 to 4: the aidant's code, the hours and
    // the hourly wage in cents), with its whole hours left out of the hourly deduction
    // (field 14) when not empty.
    bool AuDetail = false;
    std::string SalaireCentimes;
    std::string HeuresExclues;
};

// The steps of the computation, in their order; each is told once its figures are in.
enum class Etape { Salaire, CsgRds, SSoc, Retr, Sante, Detail, CsgDe, FProf, Prevoy, Assed };

// Computes the figures of aidant line k into `c`, calling `pret` after each step. Sets the
// line's minimum wage and rate (W_ValeurConstante, W_TauxLigne), appends the line to
// RecDetailChgPartemp at step Detail and rewrites value 6 of the line in whole hours there.
// A rate that cannot be read ends the computation with its error: the steps told before
// it stay told, and the later ones are not computed.
void ChiffresLigneAidant(dnt::SharedState& s, const dnt::Quarter& quarter, long k, ChiffresAidant& c,
                         const std::function<void(Etape)>& pret);

}  // namespace payroll
