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
#include "tests/dba/test_support.h"

namespace paytest {

// Values of a multi-valued field.
inline std::string mv(std::initializer_list<std::string> values) {
    std::string text;
    bool first = true;
    for (const auto& v : values) {
        if (!first) text.push_back(dba::VM);
        text += v;
        first = false;
    }
    return text;
}

// The day number of "dd/mm/yyyy", as records hold it.
inline std::string day(const char* ddmmyyyy) { return dba::DateInterneText(ddmmyyyy); }

class PayrollDb {
public:
    PayrollDb() : db(dba::Database::Open(tmp.path(), dba::OpenMode::Create)) { s.TheDatabase = db; }

    // Writes a record whose fields are given from field 1 on.
    void put(const std::string& file, const std::string& key, const std::vector<std::string>& fields) {
        create(file);
        std::string text;
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i) text.push_back(dba::FM);
            text += fields[i];
        }
        db->DBOpenFile(file)->write(key, text);
    }

    // Opens files into the state, as the control does (creating them empty when needed).
    void open(std::initializer_list<const char*> files) {
        for (const char* f : files) {
            create(f);
            s.Fichiers[f] = db->DBOpenFile(f);
        }
    }

    dba::Record get(const std::string& file, const std::string& key) { return db->DBOpenFile(file)->DBRead(key); }

    // What the run driver sets from the quarter list's text.
    void chooseQuarter(const std::string& texte) {
        s.TexteTrimestre = texte;
        s.W_DebutTrimestre = payroll::DebutTrimestre(s);
        s.W_FinTrimestre = payroll::FinTrimestre(s);
        s.W_DateDebutTrimestre = dba::DateExterneText(s.W_DebutTrimestre);
        s.W_DateFinTrimestre = dba::DateExterneText(s.W_FinTrimestre);
        s.W_CleTrimestre = texte.substr(texte.size() - 4) + texte.substr(0, 1);
    }

    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    dnt::SharedState s;

private:
    void create(const std::string& file) {
        if (!db->storage().fileExists(file)) db->storage().createFile(file);
    }
};

}  // namespace paytest
