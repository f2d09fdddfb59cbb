// The shared state of a run on the small sample: the selection's files opened, a login's rights to the declarations.
#pragma once

#include <memory>
#include <string>

#include "common/state.h"
#include "rights/droits.h"
#include "support/database.h"

namespace testsupport {

struct SampleState {
    explicit SampleState(const std::string& login = "*") {
        s.TheDatabase = db;
        for (const char* name : {"CIVILAIDE", "ELTSPARTEMP"}) s.Fichiers[name] = db->DBOpenFile(name);
        droits = rights::DroitsUtilisateur(db, login).DroitsModule("EDITIONDNTVARDEC");
        s.Droits = droits.get();
    }

    TempDb tmp;
    std::shared_ptr<dba::Database> db = loadSample(tmp);
    dnt::SharedState s;
    std::shared_ptr<rights::ModuleRights> droits;
};

}  // namespace testsupport
