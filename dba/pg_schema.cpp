// The server schema: made, brought up to date, trusted, and handed to its owner and the
// printing roles.
#include "dba/pg_schema.h"

#include "dba/errors.h"
#include "dba/history_tables.h"
#include "dba/pg_schema_sql.h"

namespace dba::pg {

namespace {

// The database's owner says, in the database's comment, which role owns the declarations
// when it is not itself: only the database's owner (or a superuser) may write that comment,
// so that a role that may merely create schemas cannot pass its own off as ours.
constexpr const char* kOwnerNote = "dnt owner: ";

void createObjects(Connection& c) {
    c.exec(sql::kTables);
    c.exec(sql::kIndexTables);
    c.exec(historySchema(kServerDialect));
    c.exec(sql::kRunFilesTable);
    c.exec(std::string("INSERT INTO dnt.meta VALUES ('schema_version', '") + sql::kSchemaVersion + "')");
    c.exec(sql::kMayWrite);
    c.exec(sql::kFunctions);
    for (const char* f : sql::kPrinterFunctions) c.exec(std::string("REVOKE ALL ON FUNCTION ") + f + " FROM PUBLIC");
}

// Runs `work` in one transaction of its own: committed whole, or rolled back and the
// error passed on.
template <class Work>
void inOneTransaction(Connection& c, Work&& work) {
    c.exec("BEGIN");
    try {
        work();
        c.exec("COMMIT");
    } catch (...) {
        try {
            c.exec("ROLLBACK");
        } catch (...) {
        }
        throw;
    }
}

std::string one(Connection& c, const std::string& sql) {
    Result r = c.exec(sql);
    return r.rows() && !r.isNull(0, 0) ? std::string(r.bytes(0, 0)) : std::string();
}

// The first version's schema brought to this one: the history gains its holders, its
// notes, the transaction of each run and a sequence of its own; every write goes through
// the functions, which the printing roles call instead of writing the tables.
void upgradeFromFirstVersion(Connection& c, const std::string& ownerName) {
    const std::string owner = c.identifier(ownerName);
    c.exec("DROP POLICY IF EXISTS dnt_read ON dnt.records; DROP POLICY IF EXISTS dnt_write_new ON dnt.records;"
           "DROP POLICY IF EXISTS dnt_write_existing ON dnt.records; DROP POLICY IF EXISTS dnt_undo ON dnt.records;"
           "ALTER TABLE dnt.records DISABLE ROW LEVEL SECURITY;"
           "DROP FUNCTION IF EXISTS dnt.write_record(bytea, bytea, bytea, bigint, bigint, boolean);"
           "ALTER TABLE dnt.runs ALTER COLUMN number DROP DEFAULT;"
           "DROP SEQUENCE IF EXISTS dnt.runs_number_seq;"
           "ALTER TABLE dnt.runs ADD COLUMN note text NOT NULL DEFAULT '', ADD COLUMN xact xid8 NOT NULL DEFAULT '0';"
           "CREATE SEQUENCE dnt.run_numbers;"
           "SELECT setval('dnt.run_numbers', coalesce((SELECT max(number) FROM dnt.runs), 0) + 1, false);"
           "CREATE TABLE dnt.run_holders(quarter text NOT NULL, centre text NOT NULL, login text NOT NULL,"
           " since text NOT NULL, run bigint NOT NULL, pid integer NOT NULL, PRIMARY KEY(quarter, centre));"
           "UPDATE dnt.meta SET value = '" +
           std::string(sql::kSchemaVersion) + "' WHERE name = 'schema_version';");
    c.exec("SET LOCAL ROLE " + owner);
    c.exec(sql::kRunFilesTable);
    c.exec(sql::kMayWrite);
    c.exec(sql::kFunctions);
    for (const char* f : sql::kPrinterFunctions) c.exec(std::string("REVOKE ALL ON FUNCTION ") + f + " FROM PUBLIC");
    c.exec("RESET ROLE");
    // The roles that printed with the first version wrote the tables themselves.
    Result grantees = c.exec(
        "SELECT DISTINCT grantee FROM information_schema.role_table_grants WHERE table_schema = 'dnt' "
        "AND privilege_type IN ('INSERT', 'UPDATE', 'DELETE') AND grantee <> " +
        std::string(c.runOnce("SELECT quote_literal($1::text)", {Param::text(ownerName)}).bytes(0, 0)));
    for (int i = 0; i < grantees.rows(); ++i) {
        const std::string role = c.identifier(std::string(grantees.bytes(i, 0)));
        c.exec("REVOKE INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA dnt FROM " + role);
        for (const char* f : sql::kPrinterFunctions) c.exec(std::string("GRANT EXECUTE ON FUNCTION ") + f + " TO " + role);
    }
}

// The second version's schema brought to this one: the files a printing role's run may
// write are no longer written into the functions but kept in a table, filled by
// nameRunFiles(). Done as the owner, so that the table is the owner's.
void upgradeFromSecondVersion(Connection& c, const std::string& ownerName) {
    c.exec("SET LOCAL ROLE " + c.identifier(ownerName));
    c.exec(sql::kRunFilesTable);
    c.exec(sql::kMayWrite);
    c.exec(std::string("UPDATE dnt.meta SET value = '") + sql::kSchemaVersion + "' WHERE name = 'schema_version'");
    c.exec("RESET ROLE");
}

// The check of every write made again as this program makes it: a schema of this version
// made by an earlier program may have it in a slower form. Done as the owner, whose it is.
void replaceMayWrite(Connection& c, const std::string& ownerName) {
    c.exec("SET LOCAL ROLE " + c.identifier(ownerName));
    c.exec(sql::kMayWrite);
    c.exec("RESET ROLE");
}

// The files the program's runs write, as the program names them, replace those named before.
void nameRunFiles(Connection& c, const std::string& ownerName, const std::vector<std::string>& files) {
    c.exec("SET LOCAL ROLE " + c.identifier(ownerName));
    c.exec("DELETE FROM dnt.run_files");
    for (const std::string& f : files) c.runOnce("INSERT INTO dnt.run_files VALUES ($1::bytea)", {Param{f}});
    c.exec("RESET ROLE");
}

// Hands the schema and everything in it to `owner`.
void giveSchema(Connection& c, const std::string& owner) {
    c.exec("ALTER SCHEMA dnt OWNER TO " + owner);
    Result objects = c.exec(
        "SELECT CASE c.relkind WHEN 'S' THEN 'SEQUENCE' ELSE 'TABLE' END || ' dnt.' || quote_ident(c.relname) "
        "FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace WHERE n.nspname = 'dnt' AND c.relkind IN ('r', 'S') "
        "UNION ALL SELECT 'FUNCTION ' || p.oid::regprocedure::text FROM pg_proc p "
        "JOIN pg_namespace n ON n.oid = p.pronamespace WHERE n.nspname = 'dnt'");
    for (int i = 0; i < objects.rows(); ++i) c.exec("ALTER " + std::string(objects.bytes(i, 0)) + " OWNER TO " + owner);
}

}  // namespace

SchemaState schemaState(Connection& c) {
    Result r = c.exec(
        "SELECT (SELECT count(*) FROM pg_namespace WHERE nspname = 'dnt')::int4, "
        "(SELECT count(*) FROM pg_class t JOIN pg_namespace n ON n.oid = t.relnamespace "
        " WHERE n.nspname = 'dnt' AND t.relkind = 'r' AND t.relname IN ('files', 'records', 'dict', 'meta'))::int4, "
        "(SELECT count(*) FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace "
        " WHERE n.nspname = 'dnt' AND p.proname = 'write_record')::int4, "
        "(SELECT has_schema_privilege(oid, 'USAGE') FROM pg_namespace WHERE nspname = 'dnt')::int4, "
        "(SELECT has_table_privilege(t.oid, 'SELECT') FROM pg_class t JOIN pg_namespace n ON n.oid = t.relnamespace "
        " WHERE n.nspname = 'dnt' AND t.relname = 'meta' AND t.relkind = 'r')::int4");
    auto number = [&](int col) { return r.isNull(0, col) ? 0 : std::stoi(std::string(r.bytes(0, col))); };
    if (number(0) == 0) return SchemaState::Absent;
    if (number(1) != 4 || number(2) != 1) return SchemaState::Foreign;
    // Who owns it is asked before anything of it is read or called.
    checkTrust(c);
    if (number(3) == 0 || number(4) == 0)
        throw DbError(kErrStorage, "role " + c.role() + " may not read the declaration database of server " + c.where() +
                                       " (its grants are given by dnt db init-server)");
    Result marker = c.exec("SELECT value FROM dnt.meta WHERE name = 'store'");
    if (marker.rows() != 1 || marker.bytes(0, 0) != "dnt declarations") return SchemaState::Foreign;
    return one(c, "SELECT value FROM dnt.meta WHERE name = 'schema_version'") == sql::kSchemaVersion
               ? SchemaState::Ours
               : SchemaState::Outdated;
}

std::string trustedOwner(Connection& c) {
    const std::string note = one(c, "SELECT shobj_description(oid, 'pg_database') FROM pg_database "
                                    "WHERE datname = current_database()");
    if (note.rfind(kOwnerNote, 0) == 0) return note.substr(std::string(kOwnerNote).size());
    return one(c, "SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = current_database()");
}

void checkTrust(Connection& c) {
    const std::string owner = one(c, "SELECT pg_get_userbyid(nspowner) FROM pg_namespace WHERE nspname = 'dnt'");
    const std::string trusted = trustedOwner(c);
    const std::string me = one(c, "SELECT session_user::text");
    if (owner != trusted && owner != me)
        throw DbError(kErrStorage, "the schema dnt of server " + c.where() + " belongs to role " + owner +
                                       ", not to " + trusted +
                                       ", the owner of the declarations: it is not used (the declarations' owner "
                                       "prepares the schema with dnt db init-server)");
    // Every table, sequence, view and function of the schema is its owner's.
    Result strangers = c.exec(
        "SELECT c.relname::text, pg_get_userbyid(c.relowner) FROM pg_class c JOIN pg_namespace n ON n.oid = c.relnamespace "
        "WHERE n.nspname = 'dnt' AND c.relowner <> n.nspowner "
        "UNION ALL SELECT p.proname::text || '()', pg_get_userbyid(p.proowner) FROM pg_proc p "
        "JOIN pg_namespace n ON n.oid = p.pronamespace WHERE n.nspname = 'dnt' AND p.proowner <> n.nspowner "
        "ORDER BY 1 LIMIT 1");
    if (strangers.rows() > 0)
        throw DbError(kErrStorage, "dnt." + std::string(strangers.bytes(0, 0)) + " of server " + c.where() +
                                       " belongs to role " + std::string(strangers.bytes(0, 1)) + ", not to " + owner +
                                       ", the schema's owner: the schema is not used");
}

void createSchema(Connection& c) {
    inOneTransaction(c, [&] {
        c.exec("CREATE SCHEMA dnt");
        createObjects(c);
    });
}

void initServer(Connection& c, const ServerRoles& roles) {
    inOneTransaction(c, [&] {
        const std::string me = one(c, "SELECT session_user::text");
        const std::string wanted = roles.owner.empty() ? me : roles.owner;
        const std::string owner = c.identifier(wanted);
        const std::string databaseOwner =
            one(c, "SELECT pg_get_userbyid(datdba) FROM pg_database WHERE datname = current_database()");
        const bool superuser = one(c, "SELECT rolsuper::text FROM pg_roles WHERE rolname = session_user") == "true";
        const SchemaState state = schemaState(c);
        if (state == SchemaState::Foreign)
            throw DbError(kErrStorage, "the schema dnt of server " + c.where() +
                                           " is not a declaration database: it is left as it is");
        if (state != SchemaState::Absent) {
            // Only the declarations' owner, the database's owner or a superuser prepares them again.
            const std::string current = one(c, "SELECT pg_get_userbyid(nspowner) FROM pg_namespace WHERE nspname = 'dnt'");
            if (me != current && me != databaseOwner && !superuser)
                throw DbError(kErrStorage, "role " + me + " may not prepare the declaration database of server " +
                                               c.where() + ": it belongs to role " + current);
        }
        // The database's owner vouches for another owner of the declarations in its comment.
        if (wanted != databaseOwner && wanted != trustedOwner(c)) {
            if (me != databaseOwner && !superuser)
                throw DbError(kErrStorage, "the declarations of server " + c.where() + " may belong to role " + wanted +
                                               " only if the database's owner, " + databaseOwner +
                                               ", says so: run dnt db init-server as " + databaseOwner);
            Result note = c.runOnce("SELECT quote_literal($1::text)", {Param::text(kOwnerNote + wanted)});
            c.exec("COMMENT ON DATABASE " + c.identifier(c.database()) + " IS " + std::string(note.bytes(0, 0)));
        } else if (wanted == databaseOwner && (me == databaseOwner || superuser)) {
            c.exec("COMMENT ON DATABASE " + c.identifier(c.database()) + " IS NULL");
        }
        switch (state) {
        case SchemaState::Absent:
            c.exec("CREATE SCHEMA dnt AUTHORIZATION " + owner);
            // Made as the owner, so that everything in the schema is the owner's.
            c.exec("SET LOCAL ROLE " + owner);
            createObjects(c);
            c.exec("RESET ROLE");
            nameRunFiles(c, wanted, roles.runFiles);
            break;
        case SchemaState::Outdated:
        case SchemaState::Ours: {
            const std::string current = one(c, "SELECT pg_get_userbyid(nspowner) FROM pg_namespace WHERE nspname = 'dnt'");
            if (state == SchemaState::Outdated) {
                if (one(c, "SELECT value FROM dnt.meta WHERE name = 'schema_version'") == "2")
                    upgradeFromSecondVersion(c, current);
                else
                    upgradeFromFirstVersion(c, current);
            } else {
                replaceMayWrite(c, current);
            }
            nameRunFiles(c, current, roles.runFiles);
            if (current != wanted) giveSchema(c, owner);
            break;
        }
        case SchemaState::Foreign: break;
        }
        for (const std::string& printer : roles.printers) {
            const std::string role = c.identifier(printer);
            c.exec("GRANT USAGE ON SCHEMA dnt TO " + role);
            c.exec("GRANT SELECT ON ALL TABLES IN SCHEMA dnt TO " + role);
            for (const char* f : sql::kPrinterFunctions) c.exec(std::string("GRANT EXECUTE ON FUNCTION ") + f + " TO " + role);
        }
    });
}

}  // namespace dba::pg
