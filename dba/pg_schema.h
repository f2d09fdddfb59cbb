// The declaration database as a schema of a PostgreSQL database: its tables, the function
// that writes a record with its checks, its row-level policies, and the grants that give
// an owner role and printing roles their rights.
#pragma once

#include <string>
#include <vector>

#include "dba/pg_connection.h"

namespace dba::pg {

// The schema that holds a declaration database, in whatever database the URI names.
inline constexpr const char* kSchemaName = "dnt";

enum class SchemaState {
    Absent,   // no schema of that name
    Ours,     // our tables and marker
    Foreign,  // a schema of that name that is not a declaration database
};

SchemaState schemaState(Connection& c);

// Creates the schema, owned by the connected role, in one transaction of its own.
void createSchema(Connection& c);

struct ServerRoles {
    std::string owner;                  // empty: the connected role
    std::vector<std::string> printers;  // roles that print: read everything, write declarations
};

// Creates the schema when it is absent (or takes ours as it is), gives it to the owner
// and grants the printing roles their rights, all in one transaction. A foreign schema
// is refused; roles must exist.
void initServer(Connection& c, const ServerRoles& roles);

}  // namespace dba::pg
