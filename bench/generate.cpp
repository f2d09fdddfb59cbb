// Builds the benchmark data set from a fixed seed: a model of aidés, aidants and
// contracts first, then the same model written as records and as SQL rows.
#include "bench/generate.h"
#include "demo/standard_dictionary.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "dba/dynarray.h"
#include "dba/sqlite_storage.h"

namespace bench {

namespace {

// splitmix64: small, fast and the same on every platform and standard library.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t below(size_t n) { return static_cast<size_t>(next() % n); }
    bool chance(double p) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < p; }
    const char* pick(const std::vector<const char*>& v) { return v[below(v.size())]; }
    std::string digits(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s.push_back(static_cast<char>('0' + below(10)));
        return s;
    }

private:
    uint64_t state_;
};

const std::vector<const char*> kSurnames = {
    "MARTIN", "BERNARD", "DUBOIS", "THOMAS", "ROBERT", "RICHARD", "PETIT", "DURAND", "LEROY", "MOREAU",
    "SIMON", "LAURENT", "LEFEBVRE", "MICHEL", "GARCIA", "DAVID", "BERTRAND", "ROUX", "VINCENT", "FOURNIER",
    "MOREL", "GIRARD", "ANDRÉ", "LEFÈVRE", "MERCIER", "DUPONT", "LAMBERT", "BONNET", "FRANÇOIS", "MARTINEZ",
    "LEGRAND", "GARNIER", "FAURE", "ROUSSEAU", "BLANC", "GUÉRIN", "MULLER", "HENRY", "ROUSSEL", "NICOLAS",
    "PERRIN", "MORIN", "MATHIEU", "CLÉMENT", "GAUTHIER", "DUMONT", "LOPEZ", "FONTAINE", "CHEVALIER", "ROBIN",
    "ÉTIENNE", "D'ALMEIDA", "DE LA FONTAINE", "LE GALL", "N'DIAYE", "RIVIÈRE", "LEBLANC-DUMOULIN", "DENIS",
    "ZIMMERMANN", "YILMAZ", "VIDAL", "OLIVIER", "ÉMERY", "KLEIN", "JOLY", "BRUN", "BARBIER", "ARNAUD",
    "AUBERT", "CARON", "COLIN", "HUBERT", "ESNAULT", "IBANEZ", "QUÉRÉ", "UNG", "WEBER", "M", "MAILLARD",
    "DA SILVA", "CHARPENTIER", "NGUYEN", "TRAN", "PEREIRA", "SCHMITT", "KERVELLA", "OZTURK", "BENOÎT",
};
const std::vector<const char*> kFirstNames = {
    "THOMAS", "MARIE", "JEAN", "FRANÇOISE", "MARIE-THERESE", "PIERRE", "MONIQUE", "JACQUES", "NICOLE",
    "MICHEL", "CATHERINE", "ANDRÉ", "NATHALIE", "PHILIPPE", "ISABELLE", "LOUIS", "JEANNE", "RENÉ", "SYLVIE",
    "HÉLÈNE", "ALAIN", "CHRISTIANE", "BERNARD", "GISÈLE", "ÉMILE", "SUZANNE", "PAUL", "YVETTE", "ROGER",
    "DENISE", "FATIMA", "MOHAMED", "AÏCHA", "JOSÉ", "ANA", "LUCIE", "CHLOÉ", "HUGO", "LÉA", "NOÉ",
};
struct Town {
    const char* cp;
    const char* name;
};
const std::vector<Town> kTowns = {
    {"75018", "PARIS"}, {"75011", "PARIS"}, {"75020", "PARIS"}, {"75015", "PARIS"},
    {"92100", "BOULOGNE-BILLANCOURT"}, {"93200", "SAINT-DENIS"}, {"93100", "MONTREUIL"},
    {"78000", "VERSAILLES"}, {"94300", "VINCENNES"}, {"92000", "NANTERRE"}, {"93300", "AUBERVILLIERS"},
    {"94000", "CRÉTEIL"}, {"93800", "ÉPINAY-SUR-SEINE"}, {"94200", "IVRY-SUR-SEINE"}, {"92700", "COLOMBES"},
    {"93500", "PANTIN"}, {"93000", "BOBIGNY"}, {"92300", "LEVALLOIS-PERRET"}, {"92200", "NEUILLY-SUR-SEINE"},
    {"92130", "ISSY-LES-MOULINEAUX"}, {"92110", "CLICHY"}, {"93400", "SAINT-OUEN"}, {"93140", "BONDY"},
};
const std::vector<const char*> kStreets = {
    "RUE DE LA RÉPUBLIQUE", "AVENUE JEAN JAURÈS", "IMPASSE DES ROSES", "ALLÉE DES TILLEULS",
    "BOULEVARD VOLTAIRE", "RUE VICTOR HUGO", "PLACE DE LA MAIRIE", "CHEMIN DES VIGNES",
};
const std::vector<const char*> kSectors = {"S01-SUD", "S02-EST", "S03-NORD", "S04-OUEST", "S05-CENTRE"};
const std::vector<const char*> kManagers = {"MME DURAND", "M. LEROY", "MME PETIT", "M. GARNIER", "MME FAURE",
                                            "M. NGUYEN"};

struct Aide {
    std::string code, civility, name, firstName, street, cp, town, sector, manager;
    std::string centre, entityPays, iban;
    bool hasBilling = true;
};
struct Aidant {
    std::string code, civility, firstName, name, street, cp, town, nir;
    bool present = true;
};
struct Contract {
    std::string key, type, entity, aide, label, mode, suspended, hours;
    long start = 0;
    long end = -1;  // none
};

// A record assembled field by field, laid out with the marks and without the
// trailing empty fields, as the database keeps it.
class RecordText {
public:
    void set(int n, std::string value) {
        if (static_cast<int>(fields_.size()) < n) fields_.resize(static_cast<size_t>(n));
        fields_[static_cast<size_t>(n - 1)] = std::move(value);
    }
    std::string text() const {
        size_t last = fields_.size();
        while (last > 0 && fields_[last - 1].empty()) --last;
        std::string t;
        for (size_t i = 0; i < last; ++i) {
            if (i) t.push_back(dba::FM);
            t += fields_[i];
        }
        return t;
    }

private:
    std::vector<std::string> fields_;
};

std::string fiveDigits(size_t n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%05zu", n);
    return buf;
}

std::vector<size_t> shuffledCodes(Rng& rng) {
    std::vector<size_t> codes(100000);
    for (size_t i = 0; i < codes.size(); ++i) codes[i] = i;
    for (size_t i = codes.size() - 1; i > 0; --i) std::swap(codes[i], codes[rng.below(i + 1)]);
    return codes;
}

void check(sqlite3* sql, int rc, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(sql));
}

void exec(sqlite3* sql, const char* text) { check(sql, sqlite3_exec(sql, text, nullptr, nullptr, nullptr), text); }

// One INSERT statement, its values bound as texts (or NULL for an absent one).
class Insert {
public:
    Insert(sqlite3* sql, const char* text) : sql_(sql) { check(sql, sqlite3_prepare_v2(sql, text, -1, &stmt_, nullptr), text); }
    ~Insert() { sqlite3_finalize(stmt_); }
    Insert& text(int i, const std::string& v) {
        sqlite3_bind_text(stmt_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Insert& number(int i, long v) {
        if (v < 0)
            sqlite3_bind_null(stmt_, i);
        else
            sqlite3_bind_int64(stmt_, i, v);
        return *this;
    }
    void run() {
        check(sql_, sqlite3_step(stmt_), "insert");
        sqlite3_reset(stmt_);
    }

private:
    sqlite3* sql_;
    sqlite3_stmt* stmt_ = nullptr;
};

const char* kSqlSchema = R"(
CREATE TABLE contrat(cle TEXT PRIMARY KEY, type TEXT NOT NULL, entite TEXT NOT NULL, aide TEXT NOT NULL,
                     libelle TEXT NOT NULL, debut INTEGER NOT NULL, fin INTEGER, heures TEXT NOT NULL,
                     mode TEXT NOT NULL, suspendu TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE civilaide(code TEXT PRIMARY KEY, civilite TEXT NOT NULL, nom TEXT NOT NULL, prenom TEXT NOT NULL,
                       adresse TEXT NOT NULL, cp TEXT NOT NULL, commune TEXT NOT NULL, secteur TEXT NOT NULL,
                       responsable TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE civilaidant(code TEXT PRIMARY KEY, civilite TEXT NOT NULL, prenom TEXT NOT NULL, nom TEXT NOT NULL,
                         adresse TEXT NOT NULL, cp TEXT NOT NULL, commune TEXT NOT NULL, nir TEXT NOT NULL)
                         WITHOUT ROWID;
CREATE TABLE eltspartemp(code TEXT PRIMARY KEY, centre TEXT NOT NULL, chg_entite TEXT NOT NULL) WITHOUT ROWID;
CREATE TABLE eltsfactaide(code TEXT PRIMARY KEY, iban TEXT NOT NULL, banque TEXT NOT NULL) WITHOUT ROWID;
)";

}  // namespace

Generated generate(dba::Database& db, sqlite3* sql, const GenerateOptions& options) {
    Rng rng(options.seed);
    const size_t nContracts = std::max<size_t>(options.contracts, 1);
    // About three contracts per aidé and two per aidant; codes are five digits.
    const size_t nAides = std::clamp<size_t>(nContracts / 3, 1, 90000);
    const size_t nAidants = std::clamp<size_t>(nContracts / 2, 1, 100000);
    if (nContracts > nAidants * 999) throw std::runtime_error("too many contracts for 999 per aidant");

    std::vector<size_t> aideCodes = shuffledCodes(rng);
    std::vector<size_t> aidantCodes = shuffledCodes(rng);

    std::vector<Aide> aides(nAides);
    for (size_t i = 0; i < nAides; ++i) {
        Aide& a = aides[i];
        a.code = fiveDigits(aideCodes[i]);
        a.civility = rng.chance(0.6) ? "MADAME" : "MONSIEUR";
        a.name = rng.pick(kSurnames);
        a.firstName = rng.pick(kFirstNames);
        a.street = std::to_string(1 + rng.below(150)) + " " + rng.pick(kStreets);
        const Town& t = kTowns[rng.below(kTowns.size())];
        a.cp = t.cp;
        a.town = rng.chance(0.03) ? "" : t.name;
        a.sector = rng.pick(kSectors);
        a.manager = rng.pick(kManagers);
        size_t c = rng.below(4);
        a.centre = c < 2 ? "75" : (c == 2 ? "92" : "93");
        double p = static_cast<double>(rng.below(100));
        a.entityPays = p < 40 ? "1" : (p < 90 ? "" : "0");
        a.hasBilling = rng.chance(0.95);
        if (rng.chance(0.6))
            a.iban = "FR76 " + rng.digits(4) + " " + rng.digits(4) + " " + rng.digits(4) + " " + rng.digits(4) +
                     " " + rng.digits(4) + " " + rng.digits(4) + " " + rng.digits(3);
    }

    std::vector<Aidant> aidants(nAidants);
    for (size_t i = 0; i < nAidants; ++i) {
        Aidant& a = aidants[i];
        a.code = fiveDigits(aidantCodes[i]);
        a.present = rng.chance(0.99);
        a.civility = rng.chance(0.8) ? "MME" : "M.";
        a.firstName = rng.pick(kFirstNames);
        a.name = rng.pick(kSurnames);
        a.street = std::to_string(1 + rng.below(150)) + " " + rng.pick(kStreets);
        const Town& t = kTowns[rng.below(kTowns.size())];
        a.cp = t.cp;
        a.town = t.name;
        a.nir = rng.digits(13);
    }

    // Every aidant has one contract, the rest are spread at random.
    std::vector<size_t> perAidant(nAidants, 1);
    for (size_t i = nAidants; i < nContracts; ++i) {
        size_t k = rng.below(nAidants);
        while (perAidant[k] >= 999) k = (k + 1) % nAidants;
        ++perAidant[k];
    }
    std::vector<Contract> contracts;
    contracts.reserve(nContracts);
    for (size_t i = 0; i < nAidants && contracts.size() < nContracts; ++i) {
        for (size_t n = 1; n <= perAidant[i] && contracts.size() < nContracts; ++n) {
            Contract c;
            char number[8];
            std::snprintf(number, sizeof number, "%03zu", n);
            c.key = aidants[i].code + number;
            size_t t = rng.below(100);
            c.type = t < 90 ? "02" : (t < 96 ? "01" : "03");
            c.entity = rng.chance(0.7) ? "E75" : "E93";
            // A few contracts name an aidé whose records are gone.
            c.aide = rng.chance(0.005) ? fiveDigits(aideCodes[nAides + rng.below(100000 - nAides)])
                                       : aides[rng.below(nAides)].code;
            c.label = "CONTRAT " + std::to_string(n);
            c.start = 13500 + static_cast<long>(rng.below(2300));
            if (rng.chance(0.5)) c.end = c.start + 30 + static_cast<long>(rng.below(2000));
            c.hours = std::to_string(20 + rng.below(150)) + "." + rng.digits(2);
            c.hours += dba::VM + std::string("0") + dba::VM + std::to_string(rng.below(40));
            c.mode = rng.pick({"B", "M", "C"});
            size_t s = rng.below(100);
            c.suspended = s < 93 ? "N" : (s < 98 ? "O" : "");
            contracts.push_back(std::move(c));
        }
    }
    std::sort(contracts.begin(), contracts.end(), [](const Contract& a, const Contract& b) { return a.key < b.key; });

    Generated out;
    out.aides = nAides;
    out.aidants = nAidants;

    // The multivalue side, in one transaction.
    dba::Storage& st = db.storage();
    st.transaction([&] {
        for (const char* f : {"CONTRAT", "CIVILAIDE", "CIVILAIDANT", "ELTSPARTEMP", "ELTSFACTAIDE"}) st.createFile(f);
        for (const dba::DictItem& item : demo::standardDictionary()) st.putDict(item);
        for (const Aide& a : aides) {
            RecordText civil;
            civil.set(1, a.civility);
            civil.set(2, a.name);
            civil.set(3, a.firstName);
            civil.set(6, a.street);
            civil.set(10, a.cp);
            civil.set(11, a.town);
            civil.set(40, a.sector);
            civil.set(41, a.manager);
            st.put("CIVILAIDE", a.code, civil.text());
            RecordText part;
            part.set(1, a.centre);
            part.set(2, rng.digits(10));
            part.set(4, rng.digits(14));
            part.set(8, a.entityPays);
            part.set(9, rng.chance(0.5) ? "01" : "02");
            st.put("ELTSPARTEMP", a.code, part.text());
            out.records += 2;
            if (a.hasBilling) {
                RecordText bill;
                bill.set(1, a.code);
                bill.set(16, a.iban);
                bill.set(17, "11315");
                st.put("ELTSFACTAIDE", a.code, bill.text());
                ++out.records;
            }
        }
        for (const Aidant& a : aidants) {
            if (!a.present) continue;
            RecordText civil;
            civil.set(1, a.civility);
            civil.set(3, a.firstName);
            civil.set(4, a.name);
            civil.set(6, a.street);
            civil.set(10, a.cp);
            civil.set(11, a.town);
            civil.set(17, a.nir);
            civil.set(18, std::to_string(rng.below(100)));
            st.put("CIVILAIDANT", a.code, civil.text());
            ++out.records;
        }
        for (const Contract& c : contracts) {
            RecordText r;
            r.set(1, c.type);
            r.set(2, c.entity);
            r.set(3, c.aide);
            r.set(4, c.label);
            r.set(7, std::to_string(c.start));
            r.set(8, c.end < 0 ? std::string() : std::to_string(c.end));
            r.set(12, c.hours);
            r.set(30, c.mode);
            r.set(65, c.suspended);
            st.put("CONTRAT", c.key, r.text());
            ++out.records;
        }
        // The indexes a demo database carries: the request finds its centre through one.
        demo::writeStandardIndexes(st);
    });
    if (auto* file = dynamic_cast<dba::SqliteStorage*>(&st)) file->exec("PRAGMA wal_checkpoint(TRUNCATE)");

    // The normalised side: the same values, one column per field used.
    exec(sql, kSqlSchema);
    exec(sql, "BEGIN");
    {
        Insert civil(sql, "INSERT INTO civilaide VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
        Insert part(sql, "INSERT INTO eltspartemp VALUES(?1, ?2, ?3)");
        Insert bill(sql, "INSERT INTO eltsfactaide VALUES(?1, ?2, ?3)");
        for (const Aide& a : aides) {
            civil.text(1, a.code).text(2, a.civility).text(3, a.name).text(4, a.firstName).text(5, a.street)
                .text(6, a.cp).text(7, a.town).text(8, a.sector).text(9, a.manager).run();
            part.text(1, a.code).text(2, a.centre).text(3, a.entityPays).run();
            if (a.hasBilling) bill.text(1, a.code).text(2, a.iban).text(3, "11315").run();
        }
        Insert aidant(sql, "INSERT INTO civilaidant VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        for (const Aidant& a : aidants) {
            if (!a.present) continue;
            aidant.text(1, a.code).text(2, a.civility).text(3, a.firstName).text(4, a.name).text(5, a.street)
                .text(6, a.cp).text(7, a.town).text(8, a.nir).run();
        }
        Insert contract(sql, "INSERT INTO contrat VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)");
        for (const Contract& c : contracts) {
            std::string hours = c.hours;
            std::replace(hours.begin(), hours.end(), dba::VM, ' ');
            contract.text(1, c.key).text(2, c.type).text(3, c.entity).text(4, c.aide).text(5, c.label)
                .number(6, c.start).number(7, c.end).text(8, hours).text(9, c.mode).text(10, c.suspended).run();
            out.contractKeys.push_back(c.key);
        }
    }
    exec(sql, "COMMIT");
    exec(sql, "ANALYZE");
    exec(sql, "PRAGMA wal_checkpoint(TRUNCATE)");
    return out;
}

}  // namespace bench
