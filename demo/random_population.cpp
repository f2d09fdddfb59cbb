// Drawing the ordinary aidés, their aidants and their contracts.
#include "demo/random_population.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "dba/dates.h"
#include "demo/people.h"

namespace demo {

namespace {

// Distinct five-digit aidé codes from 02000 to 99999, in a random order.
std::vector<std::string> codesAides(Random& r, int nombre) {
    std::vector<int> pool(98000);
    for (int i = 0; i < 98000; ++i) pool[static_cast<size_t>(i)] = 2000 + i;
    std::vector<std::string> codes;
    for (int i = 0; i < nombre; ++i) {
        int j = i + r.below(98000 - i);
        std::swap(pool[static_cast<size_t>(i)], pool[static_cast<size_t>(j)]);
        char buf[8];
        std::snprintf(buf, sizeof buf, "%05d", pool[static_cast<size_t>(i)]);
        codes.emplace_back(buf);
    }
    return codes;
}

// Aidant codes: five digits mostly, otherwise a letter (not A, kept for the fixed
// cases) and four digits.
class CodesAidants {
public:
    std::string nouveau(Random& r) {
        for (;;) {
            char buf[8];
            if (r.chance(85)) std::snprintf(buf, sizeof buf, "%05d", r.between(10000, 99999));
            else std::snprintf(buf, sizeof buf, "%c%04d", 'B' + r.below(25), r.between(1, 9999));
            if (pris_.insert(buf).second) return buf;
        }
    }

private:
    std::set<std::string> pris_;
};

std::string nature(Random& r) {
    int n = r.below(100);
    return n < 40 ? "B" : n < 65 ? "F" : n < 90 ? "M" : "";
}

void completer(Contrat& c, Random& r) {
    c.nature = nature(r);
    int e = r.below(100);
    c.exclu = e < 50 ? "N" : e < 98 ? "" : "O";
    if (r.chance(2)) c.type = "01";
    c.heuresMois = r.between(8, 150) * 100 + r.between(0, 99);
    c.tauxSalaire = r.between(1000, 1300);
}

void regulAleatoire(Aide& a, Random& r, const Quarter& q) {
    switch (r.below(5)) {
    case 0: a.regulMontants = {std::to_string(r.between(2, 40) * 5)}; break;
    case 1:
        a.regulMontants = {"80.5", "62.5", "40"};
        a.regulTrimestres = {q.plus(-r.between(1, 4)).key(), "", ""};
        break;
    case 2:
        a.regulMontants = {"300", "45.25"};
        a.regulTrimestres = {q.key(), q.plus(-2).key()};
        break;
    case 3: a.regulMontants = {"", "30"}; break;
    default:
        a.regulMontants = {"60", "25.25"};
        break;
    }
}

}  // namespace

void ajouterAidesAleatoires(Population& p, Random& r, int nombre) {
    if (nombre <= 0) return;
    const Quarter& q = p.dernier;
    const int debutDetail = static_cast<int>(p.premierMoisDetaille().firstDay());
    const int debutTrimestre = static_cast<int>(q.firstDay());
    const int finTrimestre = static_cast<int>(q.lastDay());
    const int an2012 = static_cast<int>(dba::FromYmd(2012, 1, 1));
    CodesAidants codesAidants;
    std::vector<size_t> aidantsTires;  // aidants drawn here, who may work for a second aidé

    for (const std::string& code : codesAides(r, nombre)) {
        int c = r.below(100);
        std::string centre = c < 50 ? "75" : c < 68 ? "92" : c < 84 ? "93" : "94";
        size_t a = p.ajouterAide(aide(r, code, centre));
        if (r.chance(30)) regulAleatoire(p.aides[a], r, q);

        bool inactif = r.chance(6);
        int n = r.below(100);
        int actuels = inactif ? 0 : n < 55 ? 1 : n < 85 ? 2 : n < 96 ? 3 : 4;
        std::set<size_t> employes;
        for (int k = 0; k < actuels; ++k) {
            size_t x = p.aidants.size();
            if (!aidantsTires.empty() && r.chance(8)) {  // an aidant already working for another aidé
                size_t y = r.pick(aidantsTires);
                if (!employes.count(y)) x = y;
            }
            if (x == p.aidants.size()) {
                x = p.ajouterAidant(aidant(r, codesAidants.nouveau(r)));
                aidantsTires.push_back(x);
            }
            employes.insert(x);
            int d = r.below(100);
            long debut = d < 70 ? r.between(an2012, debutDetail - 1)
                         : d < 95 ? r.between(debutDetail, debutTrimestre - 1)
                                  : r.between(debutTrimestre, static_cast<int>(q.month(3).day(10)));
            long fin = r.chance(8) ? r.between(std::max(static_cast<int>(debut) + 1, debutTrimestre), finTrimestre - 1) : 0;
            if (r.chance(12)) {  // an earlier contract of the same aidant, ending the day before
                long avant = debut - r.between(60, 900);
                completer(p.ajouterContrat(a, x, avant, debut - 1), r);
            }
            completer(p.ajouterContrat(a, x, debut, fin), r);
        }
        if (inactif || r.chance(20)) {  // a former aidant
            size_t x = p.ajouterAidant(aidant(r, codesAidants.nouveau(r)));
            long fin = r.between(debutDetail - 90, debutTrimestre - 1);
            completer(p.ajouterContrat(a, x, fin - r.between(60, 1500), fin), r);
        }
    }
}

}  // namespace demo
