// The column totals' two ways of adding an amount, and when a figure kept as a text counts.
#include "common/contribution_columns.h"

#include "numbers/integers.h"
#include "numbers/numtext.h"

namespace dnt {

bool figureCounts(const std::string& amount) { return !amount.empty() && CDbl(amount) != 0; }

void ContributionTotals::add(Column c, double amount) {
    if (amount == 0) return;
    totals_[indexOf(c)] += CLng(amount);
}

void ContributionTotals::addText(Column c, const std::string& amount) {
    if (!figureCounts(amount)) return;
    Long32& total = totals_[indexOf(c)];
    total = CLng(total.value() + CDbl(amount));
}

}  // namespace dnt
