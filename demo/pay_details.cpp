// DETAILCALCUL records: field 2 pay rubrics, 3 their quantities, 5 their amounts,
// 6 hours of the month, 7 amount of the month, 8 codes, 62 hours left out of the
// hourly deduction; hours and amounts in hundredths.
#include "demo/pay_details.h"

#include <algorithm>
#include <cmath>

#include "demo/payroll_tables.h"

namespace demo {

namespace {

int majoration(const std::string& rubrique) {
    if (rubrique == "150" || rubrique == "151") return 150;
    if (rubrique == "200") return 100;
    return 125;
}

std::vector<LigneSup> heuresSupAleatoires(Random& r) {
    static const std::vector<std::string> rubriques = {"125", "126", "150", "127", "151", "200"};
    static const std::vector<int> quantites = {75, 100, 150, 200, 250, 325, 400};
    std::vector<LigneSup> lignes;
    int n = r.between(1, 2);
    for (int i = 0; i < n; ++i) lignes.push_back({r.pick(rubriques), r.pick(quantites)});
    return lignes;
}

}  // namespace

CumulsTrimestre writePayDetails(RecordSink& sink, const Population& p, Random& r) {
    const Quarter& q = p.dernier;
    const std::vector<DateValeur> smic = historiqueSmic(q);
    const Month premier = p.premierMoisDetaille(), dernier = q.month(3);
    const Month precedentDebut = q.plus(-1).month(1), precedentFin = q.plus(-1).month(3);
    CumulsTrimestre cumuls;

    for (const Contrat& c : p.contrats) {
        const bool declare = c.type == "02" && c.exclu != "O" && p.aides[c.aide].employeur;
        for (Month m = premier; m <= dernier; m = m.plus(1)) {
            long du = std::max(c.debut, m.firstDay());
            long au = c.fin ? std::min(c.fin, m.lastDay()) : m.lastDay();
            if (du > au) continue;
            const std::string mois = m.key();
            if (c.moisSansDetail.count(mois)) continue;
            if (m < q.month(1) && r.chance(2)) continue;  // a month without pay

            double part = static_cast<double>(au - du + 1) / m.days();
            long heures = std::lround(c.heuresMois * part * r.between(85, 115) / 100.0);
            heures = std::max(heures, 100L);
            long salaire = c.salaireHoraire ? c.salaireHoraire
                                            : std::lround(valeurDuMois(smic, m) * c.tauxSalaire / 1000.0);
            long montant = std::lround(heures * salaire / 100.0);

            std::vector<std::string> rubriques = {"100"}, quantites = {std::to_string(heures)}, montants = {""};
            std::vector<LigneSup> lignes;
            auto fixes = c.lignesSup.find(mois);
            if (fixes != c.lignesSup.end()) lignes = fixes->second;
            else if (c.heuresSupAleatoires && r.chance(9)) lignes = heuresSupAleatoires(r);
            for (const LigneSup& l : lignes) {
                rubriques.push_back(l.rubrique);
                quantites.push_back(std::to_string(l.quantite));
                montants.push_back(std::to_string(std::lround(l.quantite * salaire * majoration(l.rubrique) / 10000.0)));
            }

            RecordText rec;
            rec.values(2, rubriques).values(3, quantites).values(5, montants);
            rec.set(6, std::to_string(heures)).set(7, std::to_string(montant));
            int code = r.below(100);
            if (code < 45) rec.set(8, "100");
            else if (code < 55) rec.values(8, {"100", "922"});
            else if (code < 63) rec.set(8, "922");
            if (r.chance(45)) rec.set(62, r.chance(30) ? "0" : std::to_string(heures * r.between(5, 40) / 100));
            sink.put("DETAILCALCUL", c.cle + mois, rec);

            if (precedentDebut <= m && m <= precedentFin && declare) {
                Cumul& cu = cumuls[c.aide][p.aidants[c.aidant].code];
                cu.heures += heures;
                cu.montant += montant;
            }
        }
    }
    return cumuls;
}

}  // namespace demo
