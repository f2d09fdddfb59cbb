// Regularisations and charge details of earlier quarters.
#include "demo/charge_records.h"

#include <cmath>

#include "demo/centres.h"
#include "demo/situations.h"

namespace demo {

namespace {

std::string arrondi(double x) { return std::to_string(std::lround(x)); }

// Fields: 1 entity, 2 aidant codes, 3 hours, 4 net hourly wage in hundredths, 5 overtime
// reduction, 6 and 7 the employer's contributions, 8 to 13 contribution lines 3 to 8,
// 17 the health reduction.
RecordText detail(const Aide& a, const std::map<std::string, Cumul>& aidants) {
    std::vector<std::string> codes, heures, nets;
    double total = 0;
    for (const auto& [code, cu] : aidants) {
        codes.push_back(code);
        heures.push_back(std::to_string(cu.heures / 100));
        double horaire = cu.heures ? static_cast<double>(cu.montant) / cu.heures : 0;
        nets.push_back(arrondi(horaire * 0.78 * 100));
        total += cu.montant / 100.0;
    }
    RecordText r;
    r.set(1, centre(a.centre).entite()).values(2, codes).values(3, heures).values(4, nets).set(5, "0");
    if (a.base == "00" || a.base == "01") r.set(6, arrondi(total * 0.3045)).set(7, "0");
    else r.set(6, "0").set(7, arrondi(total * 0.152));
    const double taux[] = {0.051, 0.028, 0.0055, 0.074, 0.024, 0.012};
    for (int k = 0; k < 6; ++k) r.set(8 + k, arrondi(total * taux[k]));
    r.set(17, "0");
    return r;
}

}  // namespace

void writeChargeRecords(RecordSink& sink, const Population& p, const CumulsTrimestre& precedent, Random& r) {
    for (const Aide& a : p.aides) {
        if (a.regulMontants.empty()) continue;
        RecordText rec;
        rec.values(1, a.regulMontants);
        if (!a.regulTrimestres.empty()) rec.values(2, a.regulTrimestres);
        sink.put("REGULDNT", a.code, rec);
    }
    const std::string cleAvant = p.dernier.plus(-1).key();
    for (const auto& [indice, aidants] : precedent) {
        const Aide& a = p.aides[indice];
        if (a.code == kAideAidantPartage2 || r.chance(25)) sink.put("DETAILCHGPARTEMP", a.code + cleAvant, detail(a, aidants));
    }
    for (const Aide& a : p.aides) {
        if (a.code != kAideAidantPartage1) continue;
        sink.put("DETAILCHGPARTEMP", a.code + p.dernier.key(),
                 RecordText().set(1, centre(a.centre).entite()).set(2, "A0001").set(3, "1").set(4, "999")
                     .set(5, "99").set(17, "7"));
    }
}

}  // namespace demo
