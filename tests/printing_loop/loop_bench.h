// A small database and a journal printer set up as the run driver leaves them before the
// print loop, for the declaration printing tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "common/state.h"
#include "dba/dynarray.h"
#include "printing/journal_printer.h"
#include "rights/droits.h"
#include "support/database.h"

namespace looptest {

// One operation of the print journal, split into its words.
struct Operation {
    std::string kind;       // PAGE, FONT, WIDTH, TEXT, LINE, END
    std::vector<long> n;    // numbers: x y for TEXT, x1 y1 x2 y2 for LINE, n for PAGE
    std::string text;       // the text of TEXT (decoded)
    std::string raw;        // the journal line
};

// The records every case starts from: one centre ("75"), one aidé ("00001") with one aidant
// ("10001") and one contract of 100 hours in January 2011, rates of round values.
std::string BaseJsonl();

using testsupport::Rec;
using testsupport::RecTexte;

// Records of the cases, with the fields the declaration reads.
struct Centre {                       // "75": rate 22 %, in Paris
    std::string cedex = "0";          // field 10, with the Cedex number in field 11
    std::string numeroCedex{};
    std::string prefixe = "750";      // field 16
    std::string prend = "0";          // field 17: "1" when the payment is made for the aidé
    std::string heure{};              // field 22: hourly deduction in hundredths
    std::string etab = "E7501";       // field 25: the establishment that pays
};
std::string RecCentre(const Centre& c);

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
std::string RecAide(const Aide& a);

struct Aidant {
    std::string code;
    std::string nom = "MARTIN";
    std::string prenom = "JEANNE";
    std::string identification = "2 90 07 10 585 564";  // field 17
    std::string cle = "29";                             // field 18
    std::string champ2{};                               // second part of the name line
    std::string adresse = "5 RUE DES ROSES";            // field 6
};
std::string RecAidant(const Aidant& a);

// A contract of the aidé from day `debut` (internal), ending `fin` (empty: open), of kind
// `nature` (field 30).
std::string RecContrat(const std::string& cle, const std::string& aide, const std::string& debut = "100",
                       const std::string& fin = "", const std::string& nature = "");
// The calculation of a contract for month yyyymm: hours and amount in hundredths, field 62.
std::string RecDetail(const std::string& contrat, const std::string& mois, const std::string& heures,
                      const std::string& montant = "0", const std::string& champ62 = "");

class Banc {
public:
    // Imports the base records, then `extra` (which may replace some), and prepares the
    // quarter as the run driver does.
    explicit Banc(const std::string& extra = "", const std::string& trimestre = "1er  TRIMESTRE 2011",
                  const std::string& login = "*", const std::string& device = "JOURNAL");

    // A selection result: one field per (contract key, aidé code).
    static dba::DynArray Selection(const std::vector<std::pair<std::string, std::string>>& rows);

    // Runs the print loop on the selection and ends the document.
    void Imprimer(const std::vector<std::pair<std::string, std::string>>& rows);

    // The journal written so far (the document is ended first when still open).
    const std::vector<Operation>& Journal();
    std::vector<Operation> Textes();
    std::vector<Operation> Lignes();
    // The first TEXT whose text contains `part`; fails the test when there is none.
    Operation Texte(const std::string& part);
    bool Contient(const std::string& part);
    long NombrePages();
    // The operations of each page, in order (PAGE lines not included).
    std::vector<std::vector<Operation>> Pages();

    dba::Record Lire(const std::string& file, const std::string& key);
    bool Existe(const std::string& file, const std::string& key);

    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    dnt::SharedState s;
    std::ostringstream out;
    std::unique_ptr<printing::JournalPrinter> printer;
    std::unique_ptr<rights::ModuleRights> droits;
    std::vector<std::string> commandes;  // printer commands sent

private:
    bool fini_ = false;
    std::vector<Operation> journal_;
};

// Column (0-based) at which a text run starts, from its x: 0.2 cm plus 132 twips a character.
long Colonne(const Operation& text);
// The texts of some operations containing `part`.
std::vector<Operation> Avec(const std::vector<Operation>& ops, const std::string& part);
// Whether a LINE from (x1, y1) to (x2, y2) is among the operations.
bool ALigne(const std::vector<Operation>& ops, long x1, long y1, long x2, long y2);
// An internal day number of a "dd/mm/yyyy" date, as text.
std::string Jour(const std::string& date);

}  // namespace looptest
