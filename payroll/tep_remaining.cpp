// CalculTepRestant, the aidé's contributions of the quarter written into the charge-detail
// record: base contributions, contribution lines 3 to 8, the capped "922" amounts, the
// overtime amount, and what is left of the regularisation once they are paid.
#include "numbers/numtext.h"
#include "numbers/rounding.h"
#include "payroll/payroll.h"
#include "payroll/tep_steps.h"

namespace payroll {

using dnt::CDbl;
using dnt::Currency;
using dnt::Floor;
using dnt::NumberToText;

namespace {

// Currency's Int: the greatest whole amount not above it.
Currency PartieEntiere(Currency c) {
    int64_t unites = c.ticks() / Currency::kTicksPerUnit;
    if (c.ticks() % Currency::kTicksPerUnit < 0) --unites;
    return Currency::fromTicks(unites * Currency::kTicksPerUnit);
}

// Field f of the record: `valeur` when empty, else its sum with `valeur`.
void ajouterAuChamp(dba::Record& rec, int f, double valeur) {
    std::string courant = rec.element(f);
    rec.setElement(f, NumberToText(courant.empty() ? valeur : CDbl(courant) + valeur));
}

// Step 2: fields 6 and 7, the base contributions.
void ChampsCotisationsDeBase(dnt::SharedState& s, const BaseDeclaration& base, const Tranches& t) {
    dba::Record& rec = s.RecDetailChgPartemp;
    if (base.CodeBase != "02") {
        rec.setElement(base.IndiceTaux + 5, NumberToText(PartieEntiere(s.W_TotalCharges + dnt::CCur(0.5))));
        if (base.IndiceTaux == 1) {
            rec.setElement(7, "0");
            if (s.W_DeductionHeures != 0) rec.setElement(6, NumberToText(CDbl(rec.element(6)) - s.W_DeductionHeures));
        } else {
            rec.setElement(6, "0");
        }
    } else {
        rec.setElement(6, NumberToText(dnt::CLng(t.PartTranche1)));
        rec.setElement(7, NumberToText(dnt::CLng(t.PartTranche2)));
    }
}

// Step 3: contribution lines 3 to 8 into fields 8 to 13; a flat-rate last line ("F") has its
// lines 3 and 4 on 98.25 % of the base.
void LignesTroisAHuit(dnt::SharedState& s, bool aDesLignes) {
    const int dernier = s.W_NbAidants.value();
    const std::string nature = dernier >= 1 ? s.W_LignesAidants[dernier].basis : std::string();
    const double totalLignes = s.W_TotalLignes.toDouble();
    for (int k = 3; k <= 8; ++k) {
        double taux = CDbl(s.TabTauxCharges.element(k));
        double c = (k == 3 || k == 4) && nature == "F" ? taux * totalLignes / 98.25 : taux * totalLignes / 100;
        s.W_TotalCharges = s.W_TotalCharges + dnt::CCur(c);
        if (aDesLignes) s.RecDetailChgPartemp.setElement(k + 5, NumberToText(Floor(c + 0.5)));
    }
}

// Step 4: value 10 of each line rescaled by the 922 rate and capped at 15; their sum into
// field 17. Gives the sum.
dnt::Int16 Montants922(dnt::SharedState& s) {
    dnt::Int16 n{0};
    for (long L = 1; L <= s.W_LignesAidants.count(); ++L) {
        std::string& v = s.W_LignesAidants.at(L).amount922;
        if (v == "0" || v.empty()) continue;
        v = NumberToText(Floor(CDbl(v) * s.TauxRub922.value() / 10000000 + 0.5));
        if (dnt::CIntText(v) > dnt::Int16(15)) v = "15";
        n = dnt::CInt(n.value() + CDbl(v));
    }
    ajouterAuChamp(s.RecDetailChgPartemp, 17, n.value());
    return n;
}

// Step 5: the overtime lines' amount at the 908 rate into field 5.
void MontantHeuresSup(dnt::SharedState& s) {
    dnt::Long32 m{0};
    for (long L = 1; L <= s.W_LignesAidants.count(); ++L) {
        const std::string& v = s.W_LignesAidants[L].overtimePay;
        if (v == "0" || v.empty()) continue;
        m = dnt::CLng(m.value() + CDbl(v));
    }
    dnt::Long32 v = dnt::CLng((s.TauxRub908.value() / 1000.0) * m.value());
    double w = Floor(v.value() / 10000.0 + 0.5);
    ajouterAuChamp(s.RecDetailChgPartemp, 5, w);
}

}  // namespace

void CalculTepRestant(dnt::SharedState& s, const dnt::Quarter& quarter) {
    // No statement is passed over here: a failure reaches the print loop.
    s.W_DeductionHeures = 0;
    s.W_TotalCharges = Currency();

    BaseDeclaration base;
    base.CodeBase = s.RecEltsPartemp.element(9);
    base.IndiceTaux = base.CodeBase == "00" || base.CodeBase == "01" ? 1 : 2;

    Tranches t = CotisationsDeBase(s, quarter, base);
    const bool aDesLignes = !s.W_LignesAidants[1].aidant.empty();
    if (aDesLignes) ChampsCotisationsDeBase(s, base, t);
    LignesTroisAHuit(s, aDesLignes);
    dnt::Int16 n = Montants922(s);
    MontantHeuresSup(s);

    // What the contributions absorb of the regularisation; never below 0.
    s.W_TotalCharges = s.W_TotalCharges + dnt::CCur(n.value());
    if (s.W_Regul != dnt::Long32(0)) {
        Currency reste = dnt::CCur(s.W_Regul.value()) - s.W_TotalCharges;
        s.W_Regul = dnt::CLng(reste.toDouble());
        if (s.W_Regul < dnt::Long32(0)) s.W_Regul = dnt::Long32(0);
    }
}

}  // namespace payroll
