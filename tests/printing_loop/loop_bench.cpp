// The test bench of the declaration printing: base records, preparation, journal reading.
#include "loop_bench.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>

#include "numbers/error.h"
#include "dba/dates.h"
#include "dba/jsonl.h"
#include "payroll/payroll.h"
#include "printing/declaration.h"

namespace looptest {

namespace {

// Contribution line n: the same rate on three periods, so that the quarter-end rate and
// the monthly average both find it.
std::string LigneCharge(const std::string& key, const std::string& rate) {
    return Rec("CHGPARTEMP", key,
               {"\"LIGNE " + key + "\"", "[\"" + rate + "\", \"" + rate + "\", \"" + rate + "\"]",
                "[\"10000\", \"11000\", \"99999\"]"});
}

}  // namespace

std::string RecCentre(const Centre& c) {
    std::vector<std::string> f(25);
    f[0] = "URSSAF TEST";
    f[1] = "URSSAF TEST - SERVICE PARTICULIERS";
    f[3] = "10 RUE DU CENTRE";
    f[7] = "75001";
    f[8] = "PARIS";
    f[9] = c.cedex;
    f[10] = c.numeroCedex;
    f[15] = c.prefixe;
    f[16] = c.prend;
    f[19] = "100";
    f[20] = "22000";
    f[21] = c.heure;
    f[24] = c.etab;
    return RecTexte("CENTREURSSAF", "75", f);
}

std::string BaseJsonl() {
    std::string j;
    // Payroll constant 10.00 an hour, upper constant 2000.00, in force since 1968.
    j += RecTexte("CONSTANTESPAIE", "1", {"200000", "HORAIRE", "1000", "100", "", "", "", "", "100"});
    // Centre: prefix 750, payment sent to the centre (field 17 not "1").
    j += RecCentre({});
    j += LigneCharge("01", "30000");
    j += LigneCharge("02", "15000");
    j += LigneCharge("03", "5100");
    j += LigneCharge("04", "2900");
    j += LigneCharge("05", "550");
    j += LigneCharge("06", "7500");
    j += LigneCharge("07", "2400");
    j += LigneCharge("08", "1200");
    j += RecTexte("CONVENTIONCOL", "02", {"PARTICULIERS EMPLOYEURS"});
    j += RecTexte("TYPEEXO", "1", {"EXO"});
    j += RecTexte("RUBSAISIE", "100", {"SALAIRE"});
    j += RecTexte("ASSOCIATION", "E75", {"ASSOCIATION TEST"});
    j += RecTexte("ETABLISSEMENT", "E7501",
                  {"ETABLISSEMENT TEST", "", "", "5 RUE ETAB", "", "", "", "75002", "PARIS", "0", ""});
    j += RecTexte("BIC", "B1", {"11315", "CEPAFRPP", "BANQUE"});
    j += Rec("DROITS", "*", {"\"EDITIONDNTVARDEC\"", "\"2\"", "\"1\""});
    j += Rec("DROITS", "secteurs", {"\"EDITIONDNTVARDEC\"", "\"2\"", "\"\"", "[\"S01\"]"});
    // Files that the run writes to or reads keys from.
    j += RecTexte("REGULDNT", "ZZZZZ", {"0"});
    j += RecTexte("DETAILCHGPARTEMP", "ZZZZZ", {"X"});
    j += RecTexte("ELTSFACTAIDE", "ZZZZZ", {"X"});

    // Aidé 00001 with its aidant 10001 on contract 10001001: 100 hours in January 2011.
    j += RecAide({.code = "00001"});
    j += RecAidant({.code = "10001"});
    j += RecContrat("10001001", "00001");
    j += RecDetail("10001001", "201101", "10000");
    return j;
}

std::string RecAide(const Aide& a) {
    std::vector<std::string> f(40);
    f[0] = "MME";
    f[1] = a.nom;
    f[2] = "MARIE";
    f[5] = a.adresse;
    f[8] = a.ligne9;
    f[9] = "75010";
    f[10] = "PARIS";
    f[39] = a.secteur;
    return RecTexte("CIVILAIDE", a.code, f) +
           RecTexte("ELTSPARTEMP", a.code,
                    {"75", "1234567890", a.numero2, "12345678900012", "", "", "", a.paieEtab, a.categorie});
}

std::string RecAidant(const Aidant& a) {
    return RecTexte("CIVILAIDANT", a.code,
                    {"MME", a.champ2, a.prenom, a.nom, "", a.adresse, "", "", "", "75011", "PARIS", "", "", "", "", "",
                     a.identification, a.cle});
}

std::string RecContrat(const std::string& cle, const std::string& aide, const std::string& debut,
                       const std::string& fin, const std::string& nature) {
    std::vector<std::string> f(30);
    f[0] = "02";
    f[1] = "E75";
    f[2] = aide;
    f[6] = debut;
    f[7] = fin;
    f[29] = nature;
    return RecTexte("CONTRAT", cle, f);
}

std::string RecDetail(const std::string& contrat, const std::string& mois, const std::string& heures,
                      const std::string& montant, const std::string& champ62) {
    std::vector<std::string> f(62);
    f[5] = heures;
    f[6] = montant;
    f[61] = champ62;
    return RecTexte("DETAILCALCUL", contrat + mois, f);
}

Banc::Banc(const std::string& extra, const std::string& trimestre, const std::string& login,
           const std::string& device) {
    db = dba::Database::Open(tmp.path(), dba::OpenMode::Create);
    std::istringstream base(BaseJsonl());
    dba::importJsonl(*db, base);
    if (!extra.empty()) {
        std::istringstream more(extra);
        dba::importJsonl(*db, more);
    }

    s.TheDatabase = db;
    for (const char* name : {"ASSOCIATION", "BIC", "CENTREURSSAF", "CHGPARTEMP", "CIVILAIDE", "CONVENTIONCOL",
                             "DETAILCHGPARTEMP", "ELTSFACTAIDE", "ELTSPARTEMP", "ETABLISSEMENT", "RUBSAISIE",
                             "CONTRAT", "CIVILAIDANT", "REGULDNT", "DETAILCALCUL"})
        s.Fichiers[name] = db->DBOpenFile(name);

    // The quarter, as the run driver sets it.
    s.TexteTrimestre = trimestre;
    s.W_DebutTrimestre = payroll::DebutTrimestre(s);
    s.W_FinTrimestre = payroll::FinTrimestre(s);
    s.W_DateDebutTrimestre = dba::DateExterneText(s.W_DebutTrimestre);
    s.W_DateFinTrimestre = dba::DateExterneText(s.W_FinTrimestre);
    s.W_CleTrimestre = trimestre.substr(trimestre.size() - 4) + trimestre.substr(0, 1);
    s.Aujourdhui = dba::FromYmd(2011, 4, 15);

    // The centre chosen on the screen.
    s.RecCentre = s.fichier("CENTREURSSAF").DBRead("75");
    s.W_CodeEntite = "E75";
    s.TexteCtrUrssaf = "75";

    payroll::LectureRubSaisie(s);
    payroll::LectureTypeExo(s);
    payroll::LectureConstantesPaie(s);
    s.TauxRub922 = dnt::Long32(0);
    s.TauxRub908 = dnt::Long32(0);
    payroll::ValeurdesCharges(s);
    s.W_LignesAidants = dba::DynArray();

    droits = std::make_unique<rights::ModuleRights>(db, login, "EDITIONDNTVARDEC");
    s.Droits = droits.get();

    printer = std::make_unique<printing::JournalPrinter>(out, device);
    printer->setFontSize(11);
    printer->setFontName("Courier New");
    s.Imprimante = printer.get();
    s.W_TypeEdition = "D";
    s.CommandeImprimante = [this](const std::string& c) { commandes.push_back(c); };
}

dba::DynArray Banc::Selection(const std::vector<std::pair<std::string, std::string>>& rows) {
    dba::DynArray t;
    for (size_t i = 0; i < rows.size(); ++i) {
        t.Replace(static_cast<int>(i + 1), 1, 0, rows[i].first);
        t.Replace(static_cast<int>(i + 1), 2, 0, rows[i].second);
    }
    return t;
}

void Banc::Imprimer(const std::vector<std::pair<std::string, std::string>>& rows) {
    printing::GestionRequete(s, Selection(rows));
}

const std::vector<Operation>& Banc::Journal() {
    if (!fini_) {
        printer->endDoc();
        fini_ = true;
        std::istringstream in(out.str());
        std::string line;
        while (std::getline(in, line)) {
            Operation op;
            op.raw = line;
            std::istringstream words(line);
            words >> op.kind;
            if (op.kind == "TEXT") {
                long x, y;
                words >> x >> y;
                op.n = {x, y};
                std::string rest;
                std::getline(words, rest);
                op.text = nlohmann::json::parse(rest).get<std::string>();
            } else if (op.kind != "FONT") {
                long v;
                while (words >> v) op.n.push_back(v);
            }
            journal_.push_back(op);
        }
    }
    return journal_;
}

// The operations of one kind.
static std::vector<Operation> DeType(const std::vector<Operation>& ops, const std::string& kind) {
    std::vector<Operation> r;
    for (const Operation& op : ops)
        if (op.kind == kind) r.push_back(op);
    return r;
}

std::vector<Operation> Banc::Textes() { return DeType(Journal(), "TEXT"); }

std::vector<Operation> Banc::Lignes() { return DeType(Journal(), "LINE"); }

Operation Banc::Texte(const std::string& part) {
    auto trouves = Avec(Journal(), part);
    if (!trouves.empty()) return trouves[0];
    ADD_FAILURE() << "no text containing \"" << part << "\" in the journal:\n" << out.str();
    return {};
}

bool Banc::Contient(const std::string& part) { return !Avec(Journal(), part).empty(); }

long Banc::NombrePages() { return static_cast<long>(DeType(Journal(), "PAGE").size()) + 1; }

dba::Record Banc::Lire(const std::string& file, const std::string& key) { return db->DBOpenFile(file)->DBRead(key); }

bool Banc::Existe(const std::string& file, const std::string& key) {
    try {
        Lire(file, key);
        return true;
    } catch (const dnt::Error&) {
        return false;
    }
}

std::vector<std::vector<Operation>> Banc::Pages() {
    std::vector<std::vector<Operation>> pages(1);
    for (const Operation& op : Journal()) {
        if (op.kind == "PAGE")
            pages.emplace_back();
        else
            pages.back().push_back(op);
    }
    return pages;
}

std::vector<Operation> Avec(const std::vector<Operation>& ops, const std::string& part) {
    std::vector<Operation> r;
    for (const Operation& op : ops)
        if (op.kind == "TEXT" && op.text.find(part) != std::string::npos) r.push_back(op);
    return r;
}

bool ALigne(const std::vector<Operation>& ops, long x1, long y1, long x2, long y2) {
    for (const Operation& op : ops)
        if (op.kind == "LINE" && op.n == std::vector<long>{x1, y1, x2, y2}) return true;
    return false;
}

std::string Jour(const std::string& date) { return dba::DateInterneText(date); }

long Colonne(const Operation& text) { return std::lround((text.n.at(0) - 0.2 * 567) / 132.0); }

}  // namespace looptest
