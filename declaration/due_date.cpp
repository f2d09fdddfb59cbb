// DateEcheance: the due date of the quarter's contributions.
#include "declaration/due_date.h"

#include "numbers/numtext.h"
#include "declaration/utility_object.h"

namespace declaration {

std::string DateEcheance(const dnt::Quarter& quarter) {
    const dba::Utilitaire& util = Utilitaire();
    const dnt::Long32 plus35 = dnt::CLngText(quarter.lastDayText()) + dnt::Long32(35);
    const std::string date = util.DateExterne(dnt::NumberToText(plus35));
    const std::string premier = util.DateInterne("01/" + date.substr(3));
    const dnt::Long32 veille = dnt::CLngText(premier) - dnt::Long32(1);
    return util.DateExterne(dnt::NumberToText(veille));
}

}  // namespace declaration
