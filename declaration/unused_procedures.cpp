// ImpAdresseCentreUrssaf, ImpAdresseAideDateRetour, ImpAdresseCadre1, ImpAdresseCadre1LAD,
// ImpAdresseCadre2, ImpAdresseCadre2LAD, ImpExonere and ImpExonereGraph: procedures of the
// control kept with empty bodies (address and exemption blocks of an older page layout);
// nothing calls them.
#include "declaration/declaration.h"

namespace declaration {

void ImpAdresseCentreUrssaf(dnt::SharedState&, bool&) {}
void ImpAdresseAideDateRetour(dnt::SharedState&) {}
void ImpAdresseCadre1(dnt::SharedState&, long&) {}
void ImpAdresseCadre1LAD(dnt::SharedState&, long&) {}
void ImpAdresseCadre2(dnt::SharedState&, long&) {}
void ImpAdresseCadre2LAD(dnt::SharedState&, long&) {}
void ImpExonere(dnt::SharedState&) {}
void ImpExonereGraph(dnt::SharedState&) {}

}  // namespace declaration
