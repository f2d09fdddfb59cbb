// ImpEnteteDetail, the page header of a declaration: date and page number, title, URSSAF
// centre, period, the aidé's URSSAF number and SIRET, the aidé's name and address block, and
// whether the aidé is exempted from the employer's social-security share.
#include <chrono>

#include "numbers/numtext.h"
#include "common/procs.h"
#include "dba/dates.h"
#include "declaration/cedex.h"
#include "declaration/declaration.h"
#include "declaration/layout_text.h"
#include "printing/printer.h"
#include "declaration/utility_object.h"

namespace declaration {

namespace {

// Today's day number: the one the run was given, else the system's date.
long JourDuJour(const dnt::SharedState& s) {
    if (s.Aujourdhui != 0) return s.Aujourdhui;
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const std::chrono::year_month_day ymd{today};
    return dba::FromYmd(static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
                        static_cast<int>(static_cast<unsigned>(ymd.day())));
}

void LigneBlanche(printing::Printer& p) { p.print(" "); }

}  // namespace

void ImpEnteteDetail(dnt::SharedState& s, const dnt::Quarter& quarter, bool NumAffil1) {
    printing::Printer& p = *s.Imprimante;
    const dba::Utilitaire& util = Utilitaire();
    const long I = s.ModeOmr ? 45 : 0;  // indentation of the centre block

    LigneBlanche(p);
    p.print("Date : " + dba::DateExterne(JourDuJour(s)) + Blancs(60) + "Page : " + dnt::NumberToText(p.page()));
    LigneBlanche(p);

    p.setFontBold(true);
    p.setFontSize(14);
    p.print(Blancs(15) + "DECLARATION NOMINATIVE TRIMESTRIELLE");
    p.setFontBold(false);
    p.setFontSize(11);
    LigneBlanche(p);
    LigneBlanche(p);

    // The URSSAF centre.
    const dba::Record& centre = s.RecCentre;
    p.print(Blancs(I) + "Centre URSSAF : " + centre.element(1));
    p.print(Blancs(I + 16) + dnt::MiseEnFormeAdresse(centre, 3));
    if (!centre.element(7).empty()) p.print(Blancs(I + 16) + centre.element(7));
    p.print(Blancs(I + 16) + centre.element(8) + " " + centre.element(9) + FinCedex(centre));

    // The period, with the aidé's code outside unattended mode. A period text longer than
    // the 45-character column is followed by no blank.
    const std::string periode = "Période       : " + quarter.label();
    const long L = Longueur(periode);
    if (!s.ModeOmr)
        p.print(periode + Blancs(45 - L) + "Code : " + s.RecAide.key());
    else
        p.print(Blancs(45) + periode + Blancs(45 - L));

    // The aidé's URSSAF number (first or second) behind the centre's prefix, and SIRET.
    const std::string prefixe = centre.element(16) == "000" ? std::string() : centre.element(16);
    const std::string numero = prefixe + s.RecEltsPartemp.element(NumAffil1 ? 2 : 3);
    p.print(Blancs(I) + "N° URSSAF     : " + util.MiseEnFormeNumero(numero));
    p.print(Blancs(I) + "SIRET         : " + util.MiseEnFormeNumero(s.RecEltsPartemp.element(4)));
    LigneBlanche(p);

    // The aidé's name and address, always four lines.
    const dba::Record& aide = s.RecAide;
    p.print(Blancs(45) + aide.element(1) + " " + aide.element(2) + " " + aide.element(3));
    s.RecAsso = s.fichier("ASSOCIATION").DBRead(Gauche(centre.element(25), 3));
    int lignesAdresse = 0;
    const std::string adresse = dnt::MiseEnFormeAdresse(aide, 5);
    if (!adresse.empty()) {
        p.print(Blancs(45) + adresse);
        ++lignesAdresse;
    }
    if (!aide.element(9).empty()) {
        p.print(Blancs(45) + aide.element(9));
        ++lignesAdresse;
    }
    p.print(Blancs(45) + aide.element(10) + " " + aide.element(11));
    for (int i = lignesAdresse; i < 2; ++i) LigneBlanche(p);
    LigneBlanche(p);

    const std::string exo = s.RecEltsPartemp.element(9);
    if (exo != "00" && exo != "01")
        p.print("EXONERE PART PATRONALE SECURITE SOCIALE");
    else
        p.print("NON EXONERE PART PATRONALE SECURITE SOCIALE");
    LigneBlanche(p);
}

}  // namespace declaration
