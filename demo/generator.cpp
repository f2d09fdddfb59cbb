// Putting the demo database together.
#include "demo/generator.h"

#include <set>
#include <stdexcept>

#include "demo/access_rights.h"
#include "demo/centres.h"
#include "demo/charge_records.h"
#include "demo/pay_details.h"
#include "demo/payroll_tables.h"
#include "demo/people_records.h"
#include "demo/random_population.h"
#include "demo/situations.h"
#include "demo/standard_dictionary.h"

namespace demo {

namespace {

bool aDeclarer(const Contrat& c, const Quarter& q) {
    return c.type == "02" && c.exclu != "O" && c.debut <= q.lastDay() && (c.fin == 0 || c.fin >= q.firstDay());
}

}  // namespace

const std::vector<std::string>& demoFiles() {
    static const std::vector<std::string> v = {
        "ASSOCIATION", "BIC", "CENTREURSSAF", "CHGPARTEMP", "CIVILAIDANT", "CIVILAIDE", "CONSTANTESPAIE",
        "CONTRAT", "CONVENTIONCOL", "DETAILCALCUL", "DETAILCHGPARTEMP", "DROITS", "ELTSFACTAIDE", "ELTSPARTEMP",
        "ETABLISSEMENT", "PARAMPOLEEMPLOI", "PERIODESPAIE", "REGULDNT", "RUBCHARGE", "RUBSAISIE", "TYPEEXO"};
    return v;
}

void checkOptions(const DemoOptions& o) {
    if (o.aides < 1 || o.aides > 90000) throw std::invalid_argument("the number of aidés must be from 1 to 90000");
    if (o.annee < 2010 || o.annee > 2099) throw std::invalid_argument("the year must be from 2010 to 2099");
    if (o.trimestre < 1 || o.trimestre > 4) throw std::invalid_argument("the quarter must be from 1 to 4");
}

DemoSummary generateDemo(dba::Database& db, const DemoOptions& o) {
    checkOptions(o);
    Random r(o.seed);
    Population p;
    p.dernier = Quarter{o.annee, o.trimestre};
    int cas = ajouterSituations(p, r, o.aides);
    ajouterAidesAleatoires(p, r, o.aides - cas);

    dba::Storage& st = db.storage();
    RecordSink sink(st);
    st.transaction([&] {
        for (const std::string& f : demoFiles()) st.createFile(f);
        writeStandardDictionary(st);
        writeCentres(sink, p.dernier);
        writeBanques(sink);
        writePayrollTables(sink, p.dernier);
        writeDroits(sink);
        writePeople(sink, p);
        CumulsTrimestre precedent = writePayDetails(sink, p, r);
        writeChargeRecords(sink, p, precedent, r);
        writeStandardIndexes(st);
    });

    DemoSummary s;
    s.aides = static_cast<long>(p.aides.size());
    s.aidants = static_cast<long>(p.aidants.size());
    s.contrats = static_cast<long>(p.contrats.size());
    s.records = sink.total();
    std::set<size_t> declares;
    for (const Contrat& c : p.contrats)
        if (aDeclarer(c, p.dernier) && p.aides[c.aide].employeur) declares.insert(c.aide);
    s.aidesDeclares = static_cast<long>(declares.size());
    s.libelleTrimestre = p.dernier.label();
    s.cleTrimestre = p.dernier.key();
    s.periode = p.dernier.month(3).key();
    for (const Centre& c : centres()) s.centres.push_back(c.code);
    return s;
}

std::string summaryLine(const DemoSummary& s) {
    std::string line = std::to_string(s.aides) + " aidés (" + std::to_string(s.aidesDeclares) + " to declare), " +
                       std::to_string(s.aidants) + " aidants, " + std::to_string(s.contrats) + " contracts, " +
                       std::to_string(s.records) + " records; latest quarter \"" + s.libelleTrimestre + "\" (" +
                       s.cleTrimestre + "), pay period " + s.periode + "; centres";
    for (const std::string& c : s.centres) line += " " + c;
    return line;
}

}  // namespace demo
