// `dnt db init-server --db URI [--owner ROLE] [--printers ROLE,...]`: prepares a PostgreSQL
// database for the desks: the schema, given to its owner, and the printing roles' grants.
#include <iostream>
#include <sstream>

#include "apps/dnt/cli.h"
#include "common/declaration_database.h"
#include "dba/pg_connection.h"
#include "dba/pg_schema.h"
#include "dba/storage.h"

namespace cli {

int runInitServer(const Args& a) {
    if (!a.positional.empty()) throw UsageError("dnt db init-server takes no argument \"" + a.positional[0] + "\"");
    const std::string uri = a.require("db");
    if (!dba::isServerTarget(uri)) throw UsageError("dnt db init-server prepares a server: --db takes a postgresql:// URI");
    dba::pg::ServerRoles roles;
    roles.runFiles = dnt::declarationRunFiles();
    roles.owner = a.get("owner");
    if (a.has("owner") && roles.owner.empty()) throw UsageError("--owner needs a role");
    std::stringstream list(a.get("printers"));
    for (std::string role; std::getline(list, role, ',');)
        if (!role.empty()) roles.printers.push_back(role);
    if (a.has("printers") && roles.printers.empty()) throw UsageError("--printers needs at least one role");
    dba::pg::Connection server(uri, false);
    dba::pg::initServer(server, roles);
    std::cerr << "server " << server.where() << ": schema dnt ready, owned by "
              << (roles.owner.empty() ? server.role() : roles.owner);
    if (!roles.printers.empty()) {
        std::cerr << "; printing roles:";
        for (const std::string& r : roles.printers) std::cerr << " " << r;
    }
    std::cerr << "\n";
    return kOk;
}

}  // namespace cli
