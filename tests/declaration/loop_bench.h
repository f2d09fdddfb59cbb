// A small database and a journal printer set up as the run driver leaves them before the
// print loop, for the declaration printing tests; the records the cases add; the journal read back.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/state.h"
#include "dba/dates.h"
#include "dba/dynarray.h"
#include "dba/jsonl.h"
#include "numbers/error.h"
#include "payroll/payroll.h"
#include "declaration/declaration.h"
#include "printing/journal_printer.h"
#include "rights/droits.h"
#include "support/database.h"

namespace looptest {

using testsupport::Rec;
using testsupport::RecTexte;

// One operation of the print journal, split into its words.
struct Operation {
    std::string kind;       // PAGE, FONT, WIDTH, TEXT, LINE, END
    std::vector<long> n;    // numbers: x y for TEXT, x1 y1 x2 y2 for LINE, n for PAGE
    std::string text;       // the text of TEXT (decoded)
    std::string raw;        // the journal line
};

// Records of the cases, with the fields the declaration reads.
struct Centre {                       // "75": rate 22 %, in Paris
    std::string cedex = "0";          // field 10, with the Cedex number in field 11
    std::string numeroCedex{};
    std::string prefixe = "750";      // field 16
    std::string prend = "0";          // field 17: "1" when the payment is made for the aidé
    std::string heure{};              // field 22: hourly deduction in hundredths
    std::string etab = "E7501";       // field 25: the establishment that pays
};
inline std::string RecCentre(const Centre& c) {
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

struct Aide {
    std::string code;
    std::string nom = "DUPONT";
    std::string secteur = "S01";
    std::string adresse = "12 RUE DES LILAS";  // field 6
    std::string ligne9{};                      // further address line
    std::string categorie = "01";              // ELTSPARTEMP field 9
    std::string paieEtab = "0";                // ELTSPARTEMP field 8
    std::string numero2{};                     // ELTSPARTEMP field 3
};
inline std::string RecAide(const Aide& a) {
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

struct Aidant {
    std::string code;
    std::string nom = "MARTIN";
    std::string prenom = "JEANNE";
    std::string identification = "2 90 07 10 585 564";  // field 17
    std::string cle = "29";                             // field 18
    std::string champ2{};                               // second part of the name line
    std::string adresse = "5 RUE DES ROSES";            // field 6
};
inline std::string RecAidant(const Aidant& a) {
    return RecTexte("CIVILAIDANT", a.code,
                    {"MME", a.champ2, a.prenom, a.nom, "", a.adresse, "", "", "", "75011", "PARIS", "", "", "", "", "",
                     a.identification, a.cle});
}

// A contract of the aidé from day `debut` (internal), ending `fin` (empty: open), of kind
// `nature` (field 30).
inline std::string RecContrat(const std::string& cle, const std::string& aide, const std::string& debut = "100",
                              const std::string& fin = "", const std::string& nature = "") {
    std::vector<std::string> f(30);
    f[0] = "02";
    f[1] = "E75";
    f[2] = aide;
    f[6] = debut;
    f[7] = fin;
    f[29] = nature;
    return RecTexte("CONTRAT", cle, f);
}

// The calculation of a contract for month yyyymm: hours and amount in hundredths, field 62.
inline std::string RecDetail(const std::string& contrat, const std::string& mois, const std::string& heures,
                             const std::string& montant = "0", const std::string& champ62 = "") {
    std::vector<std::string> f(62);
    f[5] = heures;
    f[6] = montant;
    f[61] = champ62;
    return RecTexte("DETAILCALCUL", contrat + mois, f);
}

// The records every case starts from: one centre ("75"), one aidé ("00001") with one aidant
// ("10001") and one contract of 100 hours in January 2011, rates of round values.
inline std::string BaseJsonl() {
    std::string j;
    // Payroll constant 10.00 an hour, upper constant 2000.00, in force since 1968.
    j += RecTexte("CONSTANTESPAIE", "1", {"200000", "HORAIRE", "1000", "100", "", "", "", "", "100"});
    // Centre: prefix 750, payment sent to the centre (field 17 not "1").
    j += RecCentre({});
    // Contribution lines 01 to 08: the same rate on three periods, so that the quarter-end rate
    // and the monthly average both find it.
    int n = 0;
    for (const char* rate : {"30000", "15000", "5100", "2900", "550", "7500", "2400", "1200"})
        j += Rec("CHGPARTEMP", "0" + std::to_string(++n),
                 {"\"LIGNE\"", "[\"" + std::string(rate) + "\", \"" + rate + "\", \"" + rate + "\"]",
                  "[\"10000\", \"11000\", \"99999\"]"});
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

// The operations of one kind.
inline std::vector<Operation> DeType(const std::vector<Operation>& ops, const std::string& kind) {
    std::vector<Operation> r;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(r), [&](const Operation& op) { return op.kind == kind; });
    return r;
}

// The texts of some operations containing `part`.
inline std::vector<Operation> Avec(const std::vector<Operation>& ops, const std::string& part) {
    auto r = DeType(ops, "TEXT");
    std::erase_if(r, [&](const Operation& op) { return op.text.find(part) == std::string::npos; });
    return r;
}

// Whether a LINE from (x1, y1) to (x2, y2) is among the operations.
inline bool ALigne(const std::vector<Operation>& ops, long x1, long y1, long x2, long y2) {
    return std::ranges::any_of(ops, [&](const Operation& op) {
        return op.kind == "LINE" && op.n == std::vector<long>{x1, y1, x2, y2};
    });
}


class Banc {
public:
    // Imports the base records, then `extra` (which may replace some), and prepares the
    // quarter as the run driver does.
    explicit Banc(const std::string& extra = "", const std::string& trimestre = "1er  TRIMESTRE 2011",
                  const std::string& login = "*", const std::string& device = "JOURNAL")
        : quarter(dnt::Quarter::fromLabel(trimestre).value()) {
        db = testsupport::openDatabase(tmp.path(), dba::OpenMode::Create);
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

        s.Aujourdhui = dba::FromYmd(2011, 4, 15);

        // The centre chosen on the screen.
        s.RecCentre = s.fichier("CENTREURSSAF").DBRead("75");
        s.W_CodeEntite = "E75";
        s.TexteCtrUrssaf = "75";

        payroll::LectureRubSaisie(s);
        payroll::LectureTypeExo(s);
        payroll::LectureConstantesPaie(s, quarter);
        s.TauxRub922 = dnt::Long32(0);
        s.TauxRub908 = dnt::Long32(0);
        payroll::ValeurdesCharges(s, quarter);
        s.W_LignesAidants.clear();

        droits = std::make_unique<rights::ModuleRights>(db, login, "EDITIONDNTVARDEC");
        s.Droits = droits.get();

        printer = std::make_unique<printing::JournalPrinter>(out, device);
        printer->setFontSize(11);
        printer->setFontName("Courier New");
        s.Imprimante = printer.get();
        s.W_TypeEdition = "D";
        s.CommandeImprimante = [this](const std::string& c) { commandes.push_back(c); };
    }

    // Runs the print loop on the selection, one field per (contract key, aidé code).
    void Imprimer(const std::vector<std::pair<std::string, std::string>>& rows) {
        dba::DynArray t;
        for (size_t i = 0; i < rows.size(); ++i) {
            t.Replace(static_cast<int>(i + 1), 1, 0, rows[i].first);
            t.Replace(static_cast<int>(i + 1), 2, 0, rows[i].second);
        }
        declaration::GestionRequete(s, t, quarter);
    }

    // The journal written so far (the document is ended first when still open).
    const std::vector<Operation>& Journal() {
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
    std::vector<Operation> Textes() { return DeType(Journal(), "TEXT"); }
    std::vector<Operation> Lignes() { return DeType(Journal(), "LINE"); }
    // The first TEXT whose text contains `part`; fails the test when there is none.
    Operation Texte(const std::string& part) {
        auto trouves = Avec(Journal(), part);
        if (!trouves.empty()) return trouves[0];
        ADD_FAILURE() << "no text containing \"" << part << "\" in the journal:\n" << out.str();
        return {};
    }
    bool Contient(const std::string& part) { return !Avec(Journal(), part).empty(); }
    long NombrePages() { return static_cast<long>(DeType(Journal(), "PAGE").size()) + 1; }
    // The operations of each page, in order (PAGE lines not included).
    std::vector<std::vector<Operation>> Pages() {
        std::vector<std::vector<Operation>> pages(1);
        for (const Operation& op : Journal()) {
            if (op.kind == "PAGE")
                pages.emplace_back();
            else
                pages.back().push_back(op);
        }
        return pages;
    }

    dba::Record Lire(const std::string& file, const std::string& key) { return db->DBOpenFile(file)->DBRead(key); }
    bool Existe(const std::string& file, const std::string& key) {
        try {
            return Lire(file, key), true;
        } catch (const dnt::Error&) {
            return false;
        }
    }

    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    dnt::Quarter quarter;
    dnt::SharedState s;
    std::ostringstream out;
    std::unique_ptr<printing::JournalPrinter> printer;
    std::unique_ptr<rights::ModuleRights> droits;
    std::vector<std::string> commandes;  // printer commands sent

private:
    bool fini_ = false;
    std::vector<Operation> journal_;
};

}  // namespace looptest
