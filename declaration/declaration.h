// The procedures that print the quarterly nominative declaration of each aidé: the print
// loop, the page header, the employee frame, the aidant detail block and the totals block.
// All print on *s.Imprimante.
#pragma once

#include <string>

#include "common/quarter.h"
#include "common/state.h"
#include "dba/dynarray.h"

namespace declaration {

// The print loop: one declaration per aidé of the selection `Tableau` (one field per
// contract: value 1 the contract key, value 2 the aidé code), and the aidé's REGULDNT and
// DETAILCHGPARTEMP records written back.
void GestionRequete(dnt::SharedState& s, const dba::DynArray& Tableau, const dnt::Quarter& quarter);

// The top of a declaration page; NumAffil1 false prints the aidé's second URSSAF number.
void ImpEnteteDetail(dnt::SharedState& s, const dnt::Quarter& quarter, bool NumAffil1);

// Procedures of the control kept with empty bodies; nothing calls them.
void ImpAdresseCentreUrssaf(dnt::SharedState& s, bool& NumAffil1);
void ImpAdresseAideDateRetour(dnt::SharedState& s);
void ImpAdresseCadre1(dnt::SharedState& s, long& IndiceAidant);
void ImpAdresseCadre1LAD(dnt::SharedState& s, long& IndiceAidant);
void ImpAdresseCadre2(dnt::SharedState& s, long& IndiceAidant);
void ImpAdresseCadre2LAD(dnt::SharedState& s, long& IndiceAidant);
void ImpExonere(dnt::SharedState& s);
void ImpExonereGraph(dnt::SharedState& s);

// The header box of the employee frame (titles and ruling), and the frame's closing.
void Imprime_Entete_Cadre(dnt::SharedState& s);
void Imprime_Fin_Cadre(dnt::SharedState& s);

// The four-line block of aidant line k of W_LignesAidants, with the figures that the payroll
// computes for it (which appends the aidant to the charge-detail record); adds to the
// column totals.
void Imprime_Detail_Aidant(dnt::SharedState& s, const dnt::Quarter& quarter, long k);

// The totals, adjustment and net amount boxes and the payment paragraph of the aidé.
void Imprime_Bas_Page(dnt::SharedState& s, const dnt::Quarter& quarter);

// The amounts of the foot of a declaration: due A (CSG RDS, CSG.DE, S.SOC., F.PROF) and B
// (RETR., PREVOY, ASSED., SANTE), their sum S, and the adjustment X that brings S to what
// the charge detail declares, less the regularisation used. 32-bit sums: an overflow is
// an error.
struct MontantsDus {
    dnt::Long32 A{0}, B{0}, S{0}, X{0};
};
MontantsDus CalculMontantsDus(const dnt::SharedState& s);

// Looks up the BIC of the aidé's bank key (field 17 of RecEltsFactAide) into RecBic.
void Select_Bic(dnt::SharedState& s);

}  // namespace declaration
