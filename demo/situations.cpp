// The fixed cases of every demo database.
#include "demo/situations.h"

#include <functional>

#include "demo/centres.h"
#include "demo/identifiers.h"
#include "demo/people.h"

namespace demo {

namespace {

struct Fabrique {
    Population& p;
    Random& r;
    const Quarter& q;

    size_t nouvelAide(const std::string& code, const std::string& centreCode = "75") {
        return p.ajouterAide(aide(r, code, centreCode));
    }
    size_t nouvelAidant(const std::string& code) { return p.ajouterAidant(aidant(r, code)); }
    size_t aidantDeCode(const std::string& code) const {
        for (size_t i = 0; i < p.aidants.size(); ++i)
            if (p.aidants[i].code == code) return i;
        return p.aidants.size();
    }
    size_t nouvelAidant(const std::string& code, const std::string& nom, const std::string& prenom) {
        Aidant a = aidant(r, code);
        a.civilite = "MME";  // every name given here is a woman's
        a.nom = nom;
        a.prenom = prenom;
        return p.ajouterAidant(std::move(a));
    }
    // A start well before the months the database details.
    long ancien() { return r.between(static_cast<int>(q.plus(-28).firstDay()), static_cast<int>(q.plus(-10).firstDay())); }
    Contrat& contrat(size_t aide, size_t aidant, const std::string& nature, long debut, long fin = 0) {
        Contrat& c = p.ajouterContrat(aide, aidant, debut, fin);
        c.nature = nature;
        c.exclu = r.chance(50) ? "N" : "";
        c.heuresMois = r.between(30, 110) * 100 + r.between(0, 99);
        c.tauxSalaire = r.between(1000, 1250);
        return c;
    }
    void regul(size_t aide, std::vector<std::string> montants, std::vector<std::string> trimestres = {}) {
        p.aides[aide].regulMontants = std::move(montants);
        p.aides[aide].regulTrimestres = std::move(trimestres);
    }
};

using Cas = std::function<void(Fabrique&)>;

const std::vector<Cas>& lesCas() {
    static const std::vector<Cas> cas = {
        // 01001 and 01002: one aidant employed by two aidés.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideAidantPartage1);
            size_t x = f.nouvelAidant(kAidantPartage);
            f.contrat(a, x, "B", f.ancien());
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideAidantPartage2);
            f.contrat(a, f.aidantDeCode(kAidantPartage), "M", f.q.plus(-5).month(2).day(3));  // A0001002
            f.contrat(a, f.nouvelAidant("A0002"), "B", f.ancien());
        },
        // 01003: a contract replaced by another of the same aidant in the middle of the quarter.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideContratsAdjacents);
            size_t x = f.nouvelAidant(kAidantContratsAdjacents);
            f.contrat(a, x, "M", f.ancien(), f.q.month(2).day(15));
            f.contrat(a, x, "B", f.q.month(2).day(16));
        },
        // 01004: a contract that starts in the middle of the quarter's second month.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideDebutEnCours);
            f.p.aides[a].adresse = adresse(f.r, "75", FormeAdresse::QuatreLignes);
            f.contrat(a, f.nouvelAidant("A0004"), "B", f.q.month(2).day(15));
        },
        // 01005: the aidé's only contract ends in the quarter's first month.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideFinEnCours);
            f.p.aides[a].adresse = adresse(f.r, "75", FormeAdresse::Vide);
            f.contrat(a, f.nouvelAidant("A0005"), "B", f.ancien(), f.q.month(1).day(10));
        },
        // 01006: no calculation record for the quarter's second month.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideMoisManquant);
            Contrat& c = f.contrat(a, f.nouvelAidant("A0006"), "F", f.ancien());
            c.moisSansDetail.insert(f.q.month(2).key());
        },
        // 01007: overtime. Month 1: 125 (1.50 h) and 126 (0.75 h) at 125 %, 150 (2 h) at
        // 150 %, 127 not declared; month 2: 125 (0.75 h), 151 not declared; month 3:
        // 150 (2.50 h) and 200, which is no overtime. Whole hours: 2 at 125 %, 4 at 150 %.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideHeuresSup);
            Contrat& c = f.contrat(a, f.nouvelAidant("A0007"), "B", f.ancien());
            c.heuresSupAleatoires = false;
            c.lignesSup[f.q.month(1).key()] = {{"125", 150}, {"126", 75}, {"150", 200}, {"127", 100}};
            c.lignesSup[f.q.month(2).key()] = {{"125", 75}, {"151", 300}};
            c.lignesSup[f.q.month(3).key()] = {{"150", 250}, {"200", 500}};
        },
        // 01008: names (field 4, a blank, field 3) of 30, 31, 30 and 31 characters, the
        // last two with accents (so more bytes), and one of 47.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideNomsLongs);
            f.contrat(a, f.nouvelAidant("A0008", "MONTGOLFIER-DELACROIX", "JOCELYNE"), "B", f.ancien());
            f.contrat(a, f.nouvelAidant("A0009", "DESCHAMPS-LEROUX", "ANNE-CHARLOTTE"), "F", f.ancien());
            f.contrat(a, f.nouvelAidant("A0010", "LEFÈVRE-DESCHÊNES", "MARIE-HÉLÈNE"), "B", f.ancien());
            f.contrat(a, f.nouvelAidant("A0011", "LEFÈVRE-DESCHÊNES", "MARIE-THÉRÈSE"), "M", f.ancien());
            f.contrat(a, f.nouvelAidant("A0012", "DE LA ROCHEFOUCAULD-MONTMORENCY", "MARIE-CHRISTINE"), "B",
                      f.ancien());
        },
        // 01009: identification fields that are not social-security numbers.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideIdentifications);
            const char* idents[] = {"EN COURS", "0", ""};
            for (int i = 0; i < 3; ++i) {
                size_t x = f.nouvelAidant("A001" + std::to_string(3 + i));
                f.p.aidants[x].identification = idents[i];
                f.p.aidants[x].cle.clear();
                f.contrat(a, x, i == 1 ? "F" : "B", f.ancien());
            }
        },
        // 01010: a regularisation larger than the contributions.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideRegulNegative);
            f.p.aides[a].payeur = "0";
            f.contrat(a, f.nouvelAidant("A0016"), "B", f.ancien());
            f.regul(a, {"5000"});
        },
        // 01011 to 01015: the payment paragraphs.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideEntitePaie);
            f.p.aides[a].payeur = "1";
            f.contrat(a, f.nouvelAidant("A0017"), "B", f.ancien());
            f.regul(a, {"150"});
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAidePrelevement);
            Aide& x = f.p.aides[a];
            x.payeur = "0";
            x.base = "00";
            x.facturation = true;
            x.codeBanque = banques()[0].code;
            x.iban = iban(f.r, x.codeBanque);
            f.contrat(a, f.nouvelAidant("A0018"), "B", f.ancien());
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideReglementAide);
            Aide& x = f.p.aides[a];
            x.payeur = "";
            x.facturation = false;
            x.iban.clear();
            x.codeBanque.clear();
            f.contrat(a, f.nouvelAidant("A0019"), "M", f.ancien());
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideCentreSansPrelevement, "93");
            Aide& x = f.p.aides[a];
            x.payeur = "0";
            x.facturation = true;
            x.codeBanque = banques()[3].code;
            x.iban = iban(f.r, x.codeBanque);
            f.contrat(a, f.nouvelAidant("A0020"), "B", f.ancien());
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideSansIban, "92");
            Aide& x = f.p.aides[a];
            x.payeur = "0";
            x.facturation = true;
            x.codeBanque = banques()[1].code;
            x.iban.clear();
            f.contrat(a, f.nouvelAidant("A0021"), "F", f.ancien());
        },
        // 01016: seven aidants, more than a page holds; a second URSSAF number.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideSeptAidants);
            f.p.aides[a].numUrssaf2 = std::to_string(f.r.between(1, 9)) + f.r.digits(11);
            const char* natures[] = {"B", "F", "M", "B", "", "B", "F"};
            for (int i = 0; i < 7; ++i) f.contrat(a, f.nouvelAidant("A002" + std::to_string(2 + i)), natures[i], f.ancien());
        },
        // 01017: known as an aidé but not as an employer.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideNonEmployeur);
            f.p.aides[a].employeur = false;
            f.p.aides[a].facturation = false;
        },
        // 01018: nothing to declare in the latest quarter.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideInactif);
            f.contrat(a, f.nouvelAidant("A0029"), "B", f.ancien(), f.q.plus(-2).month(2).day(20));
        },
        // 01019: contracts the declaration leaves out, beside one it keeps.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideContratsExclus);
            f.contrat(a, f.nouvelAidant("A0030"), "B", f.ancien()).exclu = "O";
            f.contrat(a, f.nouvelAidant("A0031"), "B", f.ancien()).type = "01";
            f.contrat(a, f.nouvelAidant("A0032"), "B", f.ancien()).exclu = "N";
        },
        // 01020: a name that sorts after Z byte by byte, in a sector the restricted user cannot see.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideNomAccentue);
            Aide& x = f.p.aides[a];
            x.civilite = "MADAME";
            x.nom = "ÉVRARD";
            x.prenom = "GENEVIÈVE";
            x.secteur = "S02-SUD";
            f.contrat(a, f.nouvelAidant("A0033"), "M", f.ancien());
        },
        // 01021 to 01023: regularisations already used, used by this very quarter, empty.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideRegulAncienne);
            f.contrat(a, f.nouvelAidant("A0034"), "B", f.ancien());
            f.regul(a, {"80.5", "62.5", "40"}, {f.q.plus(-1).key(), "", ""});
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideRegulDuTrimestre);
            f.contrat(a, f.nouvelAidant("A0035"), "B", f.ancien());
            f.regul(a, {"300", "45.25"}, {f.q.key(), f.q.plus(-2).key()});
        },
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideRegulVide);
            f.contrat(a, f.nouvelAidant("A0036"), "F", f.ancien());
            f.regul(a, {"", "30"});
        },
        // 01024: an hourly deduction larger than the contribution of a low real wage.
        [](Fabrique& f) {
            size_t a = f.nouvelAide(kAideDeductionHoraire, "94");
            f.p.aides[a].base = "00";
            Contrat& c = f.contrat(a, f.nouvelAidant("A0037"), "B", f.ancien());
            c.heuresMois = 2000;
            c.salaireHoraire = 500;
        },
    };
    return cas;
}

}  // namespace

int ajouterSituations(Population& p, Random& r, int maximum) {
    Fabrique f{p, r, p.dernier};
    int n = 0;
    for (const Cas& c : lesCas()) {
        if (n >= maximum) break;
        c(f);
        ++n;
    }
    return n;
}

}  // namespace demo
