// The server schema: tables, the record-writing function, policies and grants.
#include "dba/pg_schema.h"

#include "dba/errors.h"

namespace dba::pg {

namespace {

constexpr const char* kSchemaVersion = "1";

// Names, keys and texts are kept as bytes (bytea): the server neither converts nor refuses
// them, whatever its encoding, and orders them byte by byte as the file does.
const char* kTables = R"(
CREATE TABLE dnt.files(name bytea PRIMARY KEY);
CREATE TABLE dnt.records(file bytea NOT NULL, key bytea NOT NULL, data bytea NOT NULL,
                         version bigint NOT NULL DEFAULT 1, PRIMARY KEY(file, key));
CREATE TABLE dnt.dict(file bytea NOT NULL, name bytea NOT NULL, expr bytea NOT NULL, PRIMARY KEY(file, name));
CREATE TABLE dnt.meta(name text PRIMARY KEY, value text);
INSERT INTO dnt.meta VALUES ('store', 'dnt declarations'), ('dict_version', '0');
CREATE TABLE dnt.runs(number bigserial PRIMARY KEY, time text NOT NULL, login text NOT NULL, quarter text NOT NULL,
                      centre text NOT NULL, options text NOT NULL, output text NOT NULL, kind text NOT NULL,
                      undoes bigint, units integer NOT NULL DEFAULT 0, undone_by bigint);
CREATE TABLE dnt.run_images(run bigint NOT NULL, file bytea NOT NULL, key bytea NOT NULL, unit bytea NOT NULL,
                            before bytea, after bytea, PRIMARY KEY(run, file, key));
CREATE INDEX run_images_record ON dnt.run_images(file, key, run);
)";

// Writes one record for a user who read it. 0: written; 1: another session is writing it
// (its row lock, or its insert of the key, not yet committed); 2: it changed since the read
// (`expected` is the version read, 0 for a record that did not exist, -1 for no check);
// 3: this role may not write it; 4: another session holds its lock (`mine`: this one does,
// and frees it once written). None of these fails the caller's transaction, and no
// statement waits for another session. Only an insert needs a block of its own, whose
// errors are caught: the far more frequent update does without its cost.
const char* kWriteFunction = R"(
CREATE FUNCTION dnt.write_record(f bytea, k bytea, d bytea, expected bigint, lock_key bigint, mine boolean)
RETURNS integer LANGUAGE plpgsql AS $$
DECLARE
    current_version bigint;
    status integer := 0;
    saved_timeout text;
BEGIN
    IF NOT mine THEN
        IF NOT pg_try_advisory_lock(lock_key) THEN
            RETURN 4;
        END IF;
        PERFORM pg_advisory_unlock(lock_key);
    END IF;
    SELECT version INTO current_version FROM dnt.records WHERE file = f AND key = k FOR UPDATE SKIP LOCKED;
    IF FOUND THEN
        IF expected >= 0 AND expected <> current_version THEN
            status := 2;
        ELSE
            UPDATE dnt.records SET data = d, version = current_version + 1 WHERE file = f AND key = k;
        END IF;
    ELSIF EXISTS (SELECT 1 FROM dnt.records WHERE file = f AND key = k) THEN
        -- There, but skipped: locked by another session's write, or not this role's to update.
        BEGIN
            PERFORM 1 FROM dnt.records WHERE file = f AND key = k FOR UPDATE NOWAIT;
            status := CASE WHEN FOUND THEN 1 ELSE 3 END;
        EXCEPTION
            WHEN lock_not_available THEN status := 1;
        END;
    ELSIF expected > 0 THEN
        status := 2;
    ELSE
        saved_timeout := current_setting('lock_timeout');
        BEGIN
            -- Another session's insert of the key, not yet committed, would make this wait.
            PERFORM set_config('lock_timeout', '1ms', true);
            INSERT INTO dnt.records(file, key, data) VALUES (f, k, d);
            PERFORM set_config('lock_timeout', saved_timeout, true);
        EXCEPTION
            WHEN lock_not_available THEN status := 1;
            WHEN unique_violation THEN status := 2;
            WHEN insufficient_privilege THEN status := 3;
        END;
    END IF;
    IF status = 0 AND mine THEN
        PERFORM pg_advisory_unlock(lock_key);
    END IF;
    RETURN status;
END $$;
REVOKE ALL ON FUNCTION dnt.write_record(bytea, bytea, bytea, bigint, bigint, boolean) FROM PUBLIC;
)";

// Every role that may use the schema reads everything; roles other than the owner write
// only the records a print run writes. The owner is not bound by these policies.
const char* kPolicies = R"(
ALTER TABLE dnt.records ENABLE ROW LEVEL SECURITY;
CREATE POLICY dnt_read ON dnt.records FOR SELECT USING (true);
CREATE POLICY dnt_write_new ON dnt.records FOR INSERT
    WITH CHECK (file IN ('REGULDNT'::bytea, 'DETAILCHGPARTEMP'::bytea));
CREATE POLICY dnt_write_existing ON dnt.records FOR UPDATE
    USING (file IN ('REGULDNT'::bytea, 'DETAILCHGPARTEMP'::bytea))
    WITH CHECK (file IN ('REGULDNT'::bytea, 'DETAILCHGPARTEMP'::bytea));
CREATE POLICY dnt_undo ON dnt.records FOR DELETE
    USING (file IN ('REGULDNT'::bytea, 'DETAILCHGPARTEMP'::bytea));
)";

void createObjects(Connection& c) {
    c.exec(kTables);
    c.exec(std::string("INSERT INTO dnt.meta VALUES ('schema_version', '") + kSchemaVersion + "')");
    c.exec(kWriteFunction);
    c.exec(kPolicies);
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
    if (number(3) == 0 || number(4) == 0)
        throw DbError(kErrStorage, "role " + c.role() + " may not read the declaration database of server " + c.where() +
                                       " (its grants are given by dnt db init-server)");
    Result marker = c.exec("SELECT value FROM dnt.meta WHERE name = 'store'");
    return marker.rows() == 1 && marker.bytes(0, 0) == "dnt declarations" ? SchemaState::Ours : SchemaState::Foreign;
}

namespace {

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

}  // namespace

void createSchema(Connection& c) {
    inOneTransaction(c, [&] {
        c.exec("CREATE SCHEMA dnt");
        createObjects(c);
    });
}

void initServer(Connection& c, const ServerRoles& roles) {
    inOneTransaction(c, [&] {
        const std::string owner = c.identifier(roles.owner.empty() ? c.role() : roles.owner);
        switch (schemaState(c)) {
        case SchemaState::Foreign:
            throw DbError(kErrStorage, "the schema dnt of server " + c.where() +
                                           " is not a declaration database: it is left as it is");
        case SchemaState::Absent:
            c.exec("CREATE SCHEMA dnt AUTHORIZATION " + owner);
            // Made as the owner, so that everything in the schema is the owner's.
            c.exec("SET LOCAL ROLE " + owner);
            createObjects(c);
            c.exec("RESET ROLE");
            break;
        case SchemaState::Ours:
            c.exec("ALTER SCHEMA dnt OWNER TO " + owner);
            for (const char* table : {"files", "records", "dict", "meta", "runs", "run_images"})
                c.exec(std::string("ALTER TABLE dnt.") + table + " OWNER TO " + owner);
            c.exec("ALTER FUNCTION dnt.write_record(bytea, bytea, bytea, bigint, bigint, boolean) OWNER TO " + owner);
            break;
        }
        for (const std::string& printer : roles.printers) {
            const std::string role = c.identifier(printer);
            c.exec("GRANT USAGE ON SCHEMA dnt TO " + role);
            c.exec("GRANT SELECT ON ALL TABLES IN SCHEMA dnt TO " + role);
            // The records a run writes, the undo of a run that created some, and the history.
            c.exec("GRANT INSERT, UPDATE, DELETE ON dnt.records TO " + role);
            c.exec("GRANT INSERT, UPDATE, DELETE ON dnt.runs, dnt.run_images TO " + role);
            c.exec("GRANT USAGE ON SEQUENCE dnt.runs_number_seq TO " + role);
            c.exec("GRANT EXECUTE ON FUNCTION dnt.write_record(bytea, bytea, bytea, bigint, bigint, boolean) TO " + role);
        }
    });
}

}  // namespace dba::pg
