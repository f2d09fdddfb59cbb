// A demo database generated once for the tests of a program, and helpers to read it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/database.h"
#include "dba/database.h"
#include "dba/dynarray.h"
#include "demo/generator.h"

namespace demotest {

struct Generated {
    testsupport::TempDb tmp;
    std::shared_ptr<dba::Database> db;
    demo::DemoSummary summary;
};

// The database of the default options (30 aidés, seed 1, fourth quarter of 2025).
inline Generated& standard() {
    static Generated g;
    static const bool made = [] {
        g.db = testsupport::openDatabase(g.tmp.path(), dba::OpenMode::Create);
        g.summary = demo::generateDemo(*g.db, demo::DemoOptions{});
        return true;
    }();
    (void)made;
    return g;
}

using testsupport::records;

inline std::string field(const std::string& text, int f) { return dba::DynArray(text).element(f); }
inline std::string value(const std::string& text, int f, int v) { return dba::DynArray(text).element(f, v); }
inline int values(const std::string& text, int f) { return dba::DynArray(text).CountValues(f); }

}  // namespace demotest
