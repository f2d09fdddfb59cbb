// What the declaration states for one aidant line: hours, net hourly wage, the eight
// amounts of the frame's columns and what the line adds to the aidé's charge-detail record,
// computed step by step in the order the aidant's block prints them.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "common/contribution_columns.h"
#include "common/state.h"
#include "common/quarter.h"

namespace payroll {

// The figures of one aidant line, filled in as the computation goes; a figure that the
// computation has not reached keeps its initial value.
struct AidantFigures {
    std::string hours;      // hours declared, as the charge detail stores them
    std::string netHourly;  // net hourly wage
    // Each column's contribution, a whole amount (0: none); SANTE's is `health` instead,
    // value 10 of the line as it is.
    std::array<double, 8> amounts{};
    std::string health;
    // The line went into the charge detail (fields 2 to 4: the aidant's code, the hours and
    // the hourly wage in cents), with its whole hours left out of the hourly deduction
    // (field 14) when not empty.
    bool inDetail = false;
    std::string wageCents;
    std::string hoursExcluded;

    double amount(dnt::Column c) const { return amounts[dnt::indexOf(c)]; }
};

// The steps of the computation, in the order the aidant's block prints them: the hours,
// the contributions of line A's columns, the charge detail, those of line C's columns.
enum class Step { Hours, Contribution, Detail };

// Computes the figures of aidant line k into `f`, adding each contribution to the aidé's
// column totals and calling `ready` after each step (with the column for a contribution).
// Sets the line's minimum wage and rate (W_ValeurConstante, W_TauxLigne), appends the line
// to RecDetailChgPartemp at step Detail and rewrites value 6 of the line in whole hours
// there. A rate that cannot be read ends the computation with its error: the steps told
// before it stay told and totalled, and the later ones are not computed.
void AidantLineFigures(dnt::SharedState& s, const dnt::Quarter& quarter, long k, AidantFigures& f,
                       const std::function<void(Step, dnt::Column)>& ready);

}  // namespace payroll
