// Centre, establishment, association and bank records.
#include "demo/centres.h"

#include <stdexcept>

namespace demo {

namespace {

std::string day(long d) { return std::to_string(d); }

const long kJanvier2005 = 13516;  // 01/01/2005, the oldest date of effect of every history

}  // namespace

const std::vector<Centre>& centres() {
    static const std::vector<Centre> v = {
        {"75", "75", "E7501"}, {"92", "92", "E7502"}, {"93", "93", "E9301"}, {"94", "94", "E9401"}};
    return v;
}

const Centre& centre(const std::string& code) {
    for (const Centre& c : centres())
        if (c.code == code) return c;
    throw std::out_of_range("no demo centre " + code);
}

const std::vector<Banque>& banques() {
    static const std::vector<Banque> v = {
        {"B001", "30002", "CRLYFRPP", "LCL"},
        {"B002", "30004", "BNPAFRPP", "BNP PARIBAS"},
        {"B003", "10107", "BREDFRPP", "BRED BANQUE POPULAIRE"},
        {"B004", "20041", "PSSTFRPP", "LA BANQUE POSTALE"},
        {"B005", "30003", "SOGEFRPP", "SOCIÉTÉ GÉNÉRALE"},
        {"B006", "11315", "CEPAFRPP", "CAISSE D'ÉPARGNE"},
    };
    return v;
}

void writeCentres(RecordSink& sink, const Quarter& q) {
    sink.put("ASSOCIATION", "E75",
             RecordText().set(1, "ASSOCIATION D'AIDE À DOMICILE DE PARIS ET DES HAUTS-DE-SEINE"));
    sink.put("ASSOCIATION", "E93", RecordText().set(1, "ASSOCIATION D'AIDE À DOMICILE DE SEINE-SAINT-DENIS"));
    sink.put("ASSOCIATION", "E94", RecordText().set(1, "ASSOCIATION D'AIDE À DOMICILE DU VAL-DE-MARNE"));

    // Fields: 1 name, 2 name in the payment address, 3-6 address, 7 extra line, 8 postal
    // code, 9 town, 10 Cedex (1), 11 Cedex number, 16 prefix of the URSSAF numbers,
    // 17 "1" when the association may pay or debit, 20/21 dates and rates (most
    // recent first), 22 hourly deduction in hundredths, 25 establishment.
    {
        RecordText c;
        c.set(1, "URSSAF DE PARIS").set(2, "URSSAF DE PARIS - SERVICE PARTICULIERS EMPLOYEURS");
        c.set(4, "22 RUE DES ÉCLUSES").set(7, "TSA 60017").set(8, "93518").set(9, "MONTREUIL");
        c.set(10, "1").set(16, "750").set(17, "1");
        // A new rate from the quarter's second month: the quarter's rate is an average.
        c.values(20, {day(q.month(2).firstDay()), day(Month{q.year - 1, 1}.firstDay()), day(kJanvier2005)});
        c.values(21, {"22048", "21847", "21632"});
        c.set(22, "75").set(25, "E7501");
        sink.put("CENTREURSSAF", "75", c);
    }
    {
        RecordText c;
        c.set(1, "URSSAF DES HAUTS-DE-SEINE").set(2, "URSSAF DES HAUTS-DE-SEINE - SERVICE PARTICULIERS EMPLOYEURS");
        c.set(3, "BAT C").set(4, "151 ALLÉE DES TILLEULS").set(5, "ESC 2").set(8, "92013").set(9, "NANTERRE");
        c.set(10, "1").set(11, "9").set(16, "920").set(17, "1");
        c.values(20, {day(q.plus(-2).month(3).firstDay()), day(q.plus(-6).month(1).firstDay()), day(kJanvier2005)});
        c.values(21, {"22061", "21876", "21694"});
        c.set(22, "0").set(25, "E7502");
        sink.put("CENTREURSSAF", "92", c);
    }
    {
        RecordText c;
        c.set(1, "URSSAF DE SEINE-SAINT-DENIS").set(2, "URSSAF DE SEINE-SAINT-DENIS - SERVICE PARTICULIERS EMPLOYEURS");
        c.set(4, "22 RUE FRANKLIN").set(8, "93100").set(9, "MONTREUIL").set(10, "0");
        c.set(16, "000").set(17, "0");
        c.values(20, {day(q.plus(-3).month(2).day(15)), day(q.plus(-7).month(1).firstDay()), day(kJanvier2005)});
        c.values(21, {"22021", "21872", "21665"});
        c.set(25, "E9301");
        sink.put("CENTREURSSAF", "93", c);
    }
    {
        RecordText c;  // an address on four lines, with a Cedex number
        c.set(1, "URSSAF DU VAL-DE-MARNE").set(2, "URSSAF DU VAL-DE-MARNE - SERVICE PARTICULIERS EMPLOYEURS");
        c.set(3, "IMMEUBLE LE CAMPUS").set(4, "BÂTIMENT B").set(5, "3E ÉTAGE").set(6, "12 AVENUE DU GÉNÉRAL DE GAULLE");
        c.set(7, "BP 40").set(8, "94046").set(9, "CRÉTEIL").set(10, "1").set(11, "12");
        c.set(16, "940").set(17, "1");
        c.values(20, {day(q.plus(-4).month(1).firstDay()), day(kJanvier2005)});
        c.values(21, {"22030", "21650"});
        c.set(22, "200").set(25, "E9401");
        sink.put("CENTREURSSAF", "94", c);
    }

    // Fields: 1 name, 3-6 address, 7 extra line, 8 postal code, 9 town, 10 Cedex, 11 Cedex number.
    sink.put("ETABLISSEMENT", "E7501",
             RecordText().set(1, "ÉTABLISSEMENT MANDATAIRE DE PARIS").set(4, "86 RUE SAINT-MARTIN")
                 .set(8, "75004").set(9, "PARIS").set(10, "0"));
    sink.put("ETABLISSEMENT", "E7502",
             RecordText().set(1, "ÉTABLISSEMENT MANDATAIRE DES HAUTS-DE-SEINE").set(3, "BAT A")
                 .set(4, "4 RUE DES TROIS FONTANOT").set(5, "ESC 1").set(8, "92024").set(9, "NANTERRE")
                 .set(10, "1").set(11, "7"));
    sink.put("ETABLISSEMENT", "E9301",
             RecordText().set(1, "ÉTABLISSEMENT MANDATAIRE DE SEINE-SAINT-DENIS").set(4, "42 CHEMIN DU MOULIN")
                 .set(7, "BP 751").set(8, "93004").set(9, "BOBIGNY").set(10, "1"));
    sink.put("ETABLISSEMENT", "E9401",
             RecordText().set(1, "ÉTABLISSEMENT MANDATAIRE DU VAL-DE-MARNE").set(3, "RÉSIDENCE DU LAC")
                 .set(4, "BÂTIMENT C").set(5, "ESC 3").set(6, "7 AVENUE DU LAC").set(8, "94000")
                 .set(9, "CRÉTEIL").set(10, "0"));
}

void writeBanques(RecordSink& sink) {
    for (const Banque& b : banques())
        sink.put("BIC", b.cle, RecordText().set(1, b.code).set(2, b.bic).set(3, b.nom));
}

}  // namespace demo
