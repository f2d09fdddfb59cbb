// FinCedex: the Cedex mention of a town line.
#include "declaration/cedex.h"

#include "numbers/numtext.h"

namespace declaration {

std::string FinCedex(const dba::DynArray& rec) {
    // Field 10 is compared as a number: "1" and "01" are Cedex, an empty or other text is not.
    const std::string indicateur = rec.element(10);
    const bool cedex = dnt::IsNumeric(indicateur) && dnt::CDbl(indicateur) == 1;
    if (!cedex) return " ";
    const std::string numero = rec.element(11);
    return numero.empty() ? " Cedex" : " Cedex " + numero;
}

}  // namespace declaration
