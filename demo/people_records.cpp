// Writing aidés, aidants and contracts.
#include "demo/people_records.h"

#include "demo/centres.h"

namespace demo {

namespace {

void adresse(RecordText& r, const Adresse& a) {
    r.set(5, a.ligne1).set(6, a.ligne2).set(7, a.ligne3).set(8, a.ligne4).set(9, a.complement);
    r.set(10, a.codePostal).set(11, a.ville);
}

}  // namespace

void writePeople(RecordSink& sink, const Population& p) {
    for (const Aide& a : p.aides) {
        RecordText civil;
        civil.set(1, a.civilite).set(2, a.nom).set(3, a.prenom);
        adresse(civil, a.adresse);
        civil.set(40, a.secteur).set(41, a.responsable);
        sink.put("CIVILAIDE", a.code, civil);
        if (a.employeur) {
            sink.put("ELTSPARTEMP", a.code,
                     RecordText().set(1, a.centre).set(2, a.numUrssaf).set(3, a.numUrssaf2).set(4, a.siret)
                         .set(8, a.payeur).set(9, a.base));
        }
        if (a.facturation)
            sink.put("ELTSFACTAIDE", a.code, RecordText().set(1, a.code).set(16, a.iban).set(17, a.codeBanque));
    }
    for (const Aidant& a : p.aidants) {
        RecordText civil;
        civil.set(1, a.civilite).set(2, a.nee).set(3, a.prenom).set(4, a.nom);
        adresse(civil, a.adresse);
        civil.set(17, a.identification).set(18, a.cle);
        sink.put("CIVILAIDANT", a.code, civil);
    }
    for (const Contrat& c : p.contrats) {
        const Aide& a = p.aides[c.aide];
        RecordText r;
        r.set(1, c.type).set(2, centre(a.centre).entite()).set(3, a.code);
        r.set(4, "CONTRAT " + std::to_string(std::stoi(c.cle.substr(5))));
        r.set(7, std::to_string(c.debut)).set(8, c.fin ? std::to_string(c.fin) : "");
        r.set(30, c.nature).set(65, c.exclu);
        sink.put("CONTRAT", c.cle, r);
    }
}

}  // namespace demo
