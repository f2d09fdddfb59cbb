// The eight contribution columns of the employee frame, in their printed order, and the
// aidé's column totals. Everything that lays out, totals, resets or exports the columns
// (the frame's head, an aidant's block, the totals block, the export) reads this table.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "numbers/integers.h"

namespace dnt {

enum class Column : std::size_t { CsgRds, SSoc, Retr, Sante, CsgDe, FProf, Prevoy, Assed };

constexpr std::size_t indexOf(Column c) { return static_cast<std::size_t>(c); }

struct ContributionColumn {
    Column column;
    const char* title;       // in the frame's head
    long blanksBefore;       // in the frame's head, between the title before it and its own
    long width;              // of its cells in an aidant's block and of its total
    const char* exportName;  // in the CSV and JSON exports
};

// The first four stand on line A of an aidant's block (after HEURES), the last four on
// line C (after NET); each line ends with its fourth column.
inline constexpr std::size_t kColumnsPerLine = 4;
inline constexpr std::array<ContributionColumn, 8> kContributionColumns{{
    {Column::CsgRds, "CSG RDS", 1, 7, "csg_rds"},
    {Column::SSoc, "S.SOC.", 1, 8, "s_soc"},
    {Column::Retr, "RETR.", 2, 7, "retr"},
    {Column::Sante, "SANTE", 2, 7, "sante"},
    {Column::CsgDe, "CSG.DE", 3, 7, "csg_de"},
    {Column::FProf, "F.PROF", 2, 8, "f_prof"},
    {Column::Prevoy, "PREVOY", 2, 7, "prevoy"},
    {Column::Assed, "ASSED.", 1, 7, "assed"},
}};

constexpr bool endsItsLine(Column c) { return indexOf(c) % kColumnsPerLine == kColumnsPerLine - 1; }

// Whether a figure kept as a text (SANTE) counts: "" or 0 prints blank and adds nothing.
bool figureCounts(const std::string& amount);

// The aidé's total of each column, 32-bit like the amounts due summed from them: going
// past it is an overflow error.
class ContributionTotals {
public:
    Long32 operator[](Column c) const { return totals_[indexOf(c)]; }
    // A whole contribution added to its column; 0 adds nothing.
    void add(Column c, double amount);
    // SANTE, a figure kept as a text: added unrounded, the sum rounded; one that does not
    // count (figureCounts) adds nothing.
    void addText(Column c, const std::string& amount);
    void reset() { totals_.fill(Long32(0)); }

private:
    std::array<Long32, 8> totals_{};
};

}  // namespace dnt
