// A real database for the payroll tests: records written in a line each, the files opened
// into a shared state, and the quarter chosen as the run driver chooses it.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "common/state.h"
#include "dba/dates.h"
#include "dba/errors.h"
#include "payroll/payroll.h"
#include "support/database.h"

namespace paytest {

using testsupport::day;
using testsupport::mv;

class PayrollDb {
public:
    PayrollDb() : db(testsupport::openDatabase(tmp.path(), dba::OpenMode::Create)) { s.TheDatabase = db; }

    // Writes a record whose fields are given from field 1 on.
    void put(const std::string& file, const std::string& key, const std::vector<std::string>& fields) {
        testsupport::put(*db, testsupport::RecTexte(file, key, fields));
    }

    // Opens files into the state, as the control does (creating them empty when needed).
    void open(std::initializer_list<const char*> files) {
        for (const char* f : files) {
            create(f);
            s.Fichiers[f] = db->DBOpenFile(f);
        }
    }

    dba::Record get(const std::string& file, const std::string& key) { return db->DBOpenFile(file)->DBRead(key); }

    // The quarter of the run, as the run driver takes it from the quarter list's text.
    void chooseQuarter(const std::string& texte) { quarter = dnt::Quarter::fromLabel(texte).value(); }

    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    dnt::SharedState s;
    dnt::Quarter quarter{2011, 1};

private:
    void create(const std::string& file) {
        if (!db->storage().fileExists(file)) db->storage().createFile(file);
    }
};

}  // namespace paytest
