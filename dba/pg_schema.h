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
    Ours,      // our tables and marker, at this version
    Outdated,  // ours, of an earlier version: dnt db init-server brings it up to date
    Foreign,   // a schema of that name that is not a declaration database
};

// What the schema is. A schema of ours is first checked to be trusted (checkTrust).
SchemaState schemaState(Connection& c);

// The role that owns the declarations: the one the database's owner named in the
// database's comment ("dnt owner: ROLE"), else the database's owner.
std::string trustedOwner(Connection& c);
// Refuses (DbError naming it) a schema dnt owned by anyone but that role or the connected
// one, and any table, sequence or function in it owned by anyone but the schema's owner:
// a look-alike made by a role that may only create schemas is never used.
void checkTrust(Connection& c);

// Creates the schema, owned by the connected role, in one transaction of its own.
void createSchema(Connection& c);

struct ServerRoles {
    std::string owner;                  // empty: the connected role
    std::vector<std::string> printers;  // roles that print: read everything, write declarations
    std::vector<std::string> runFiles;  // the files their runs write, as the program names them
};

// Creates the schema when it is absent (or brings ours up to date), gives it to the owner,
// keeps the run files named, and grants the printing roles their rights (they read every
// table and write only through the schema's functions, a run only the run files), all in
// one transaction. A foreign schema is refused, and so is a role that is not the
// declarations' owner, the database's owner or a superuser; an owner other than the database's is named in the database's comment,
// which only the database's owner may write. Roles must exist.
void initServer(Connection& c, const ServerRoles& roles);

}  // namespace dba::pg
