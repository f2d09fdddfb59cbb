// The SQL of the server schema: its tables, and the functions through which every role
// but the owner writes (records, and the history of runs, which no one may forge).
#pragma once

namespace dba::pg::sql {

inline constexpr const char* kSchemaVersion = "3";

// Names, keys and texts are kept as bytes (bytea): the server neither converts nor refuses
// them, whatever its encoding, and orders them byte by byte as the file does. A run's row
// carries the transaction that made it, so that only that transaction adds to it.
inline constexpr const char* kTables = R"(
CREATE TABLE dnt.files(name bytea PRIMARY KEY);
CREATE TABLE dnt.records(file bytea NOT NULL, key bytea NOT NULL, data bytea NOT NULL,
                         version bigint NOT NULL DEFAULT 1, PRIMARY KEY(file, key));
CREATE TABLE dnt.dict(file bytea NOT NULL, name bytea NOT NULL, expr bytea NOT NULL, PRIMARY KEY(file, name));
CREATE TABLE dnt.meta(name text PRIMARY KEY, value text);
INSERT INTO dnt.meta VALUES ('store', 'dnt declarations'), ('dict_version', '0');
)";

// Secondary indexes on dictionary items: which, each record's entries, and the records each
// record's entries were made by looking up. A schema made before them gets them when its
// owner makes its first index.
inline constexpr const char* kIndexTables = R"(
CREATE TABLE IF NOT EXISTS dnt.indexes(file bytea NOT NULL, item bytea NOT NULL, PRIMARY KEY(file, item));
CREATE TABLE IF NOT EXISTS dnt.index_entries(file bytea NOT NULL, item bytea NOT NULL, entry bytea NOT NULL,
                                             key bytea NOT NULL, PRIMARY KEY(file, item, entry, key));
CREATE INDEX IF NOT EXISTS index_entries_record ON dnt.index_entries(file, item, key);
CREATE TABLE IF NOT EXISTS dnt.index_lookups(looked_file bytea NOT NULL, looked_key bytea NOT NULL, file bytea NOT NULL,
                                             item bytea NOT NULL, key bytea NOT NULL,
                                             PRIMARY KEY(looked_file, looked_key, file, item, key));
CREATE INDEX IF NOT EXISTS index_lookups_record ON dnt.index_lookups(file, item, key);
)";

// The history's tables are written once for both back-ends (history_tables.h).

// Every function runs with its owner's rights, on a fixed search path, and takes the
// caller's identity from the session: a printing role reaches the tables only through
// them. Statuses of write_record and remove_record: 0 done; 1 another session is writing
// the record (its row lock, or its insert of the key, not yet committed); 2 it changed
// since the read (`expected` is the version read, 0 for a record that did not exist, -1
// for no check); 3 this role may not write that file; 4 another session holds its lock
// (`mine`: this one does, and frees it once written); 5 the run named is not this
// transaction's, or a run may not write that file. None fails the caller's transaction,
// and none waits for another session. While a run is open (`run` not 0) each record
// written leaves its image: as it was before the run first wrote it, and as it is now.
// The files a printing role's run may write: those the program names to dnt db init-server.
// The owner's own writes are its own tables': the program checks them itself.
inline constexpr const char* kRunFilesTable = R"(
CREATE TABLE IF NOT EXISTS dnt.run_files(file bytea PRIMARY KEY);
)";

// In PL/pgSQL, not SQL: a SQL function with its own rights and search path is never
// inlined, and its statements are planned again at every call, once per record written.
inline constexpr const char* kMayWrite = R"(
CREATE OR REPLACE FUNCTION dnt.may_write(f bytea, run bigint) RETURNS integer
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF run <> 0 AND NOT EXISTS
            (SELECT 1 FROM dnt.runs r WHERE r.number = run AND r.xact = pg_current_xact_id()) THEN
        RETURN 5;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM dnt.run_files w WHERE w.file = f) AND session_user <> current_user THEN
        RETURN CASE WHEN run <> 0 THEN 5 ELSE 3 END;
    END IF;
    RETURN 0;
END $$;
)";

inline constexpr const char* kFunctions = R"(

CREATE FUNCTION dnt.write_record(f bytea, k bytea, d bytea, expected bigint, lock_key bigint, mine boolean,
                                 run bigint, unit bytea)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    current_version bigint;
    old bytea;
    status integer := dnt.may_write(f, run);
    saved_timeout text;
BEGIN
    IF status <> 0 THEN
        RETURN status;
    END IF;
    IF NOT mine THEN
        IF NOT pg_try_advisory_lock(lock_key) THEN
            RETURN 4;
        END IF;
        PERFORM pg_advisory_unlock(lock_key);
    END IF;
    SELECT r.version, r.data INTO current_version, old FROM dnt.records r
        WHERE r.file = f AND r.key = k FOR UPDATE SKIP LOCKED;
    IF FOUND THEN
        IF expected >= 0 AND expected <> current_version THEN
            status := 2;
        ELSE
            UPDATE dnt.records SET data = d, version = current_version + 1 WHERE file = f AND key = k;
        END IF;
    ELSIF EXISTS (SELECT 1 FROM dnt.records r WHERE r.file = f AND r.key = k) THEN
        status := 1;
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
        END;
    END IF;
    IF status = 0 AND run <> 0 THEN
        INSERT INTO dnt.run_images(run, file, key, unit, before, after) VALUES (run, f, k, unit, old, d)
            ON CONFLICT ON CONSTRAINT run_images_pkey DO UPDATE SET after = EXCLUDED.after;
    END IF;
    IF status = 0 AND mine THEN
        PERFORM pg_advisory_unlock(lock_key);
    END IF;
    RETURN status;
END $$;

CREATE FUNCTION dnt.remove_record(f bytea, k bytea, expected bigint, lock_key bigint, mine boolean,
                                  run bigint, unit bytea)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    current_version bigint;
    old bytea;
    status integer := dnt.may_write(f, run);
BEGIN
    IF status <> 0 THEN
        RETURN status;
    END IF;
    IF NOT mine THEN
        IF NOT pg_try_advisory_lock(lock_key) THEN
            RETURN 4;
        END IF;
        PERFORM pg_advisory_unlock(lock_key);
    END IF;
    SELECT r.version, r.data INTO current_version, old FROM dnt.records r
        WHERE r.file = f AND r.key = k FOR UPDATE SKIP LOCKED;
    IF FOUND THEN
        IF expected >= 0 AND expected <> current_version THEN
            status := 2;
        ELSE
            DELETE FROM dnt.records WHERE file = f AND key = k;
            IF run <> 0 THEN
                INSERT INTO dnt.run_images(run, file, key, unit, before, after) VALUES (run, f, k, unit, old, NULL)
                    ON CONFLICT ON CONSTRAINT run_images_pkey DO UPDATE SET after = NULL;
            END IF;
        END IF;
    ELSIF EXISTS (SELECT 1 FROM dnt.records r WHERE r.file = f AND r.key = k) THEN
        status := 1;
    ELSIF expected > 0 THEN
        status := 2;
    END IF;
    IF status = 0 AND mine THEN
        PERFORM pg_advisory_unlock(lock_key);
    END IF;
    RETURN status;
END $$;

-- Who runs a quarter and centre: the holder of its lock says so, and takes its run's number.
CREATE FUNCTION dnt.announce_run(q text, c text, since text, lock_key bigint) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    n bigint;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_locks l WHERE l.locktype = 'advisory' AND l.pid = pg_backend_pid()
                   AND l.granted AND l.objsubid = 1 AND l.database = (SELECT oid FROM pg_database
                                                                     WHERE datname = current_database())
                   AND ((l.classid::bigint << 32) | l.objid::bigint) = lock_key) THEN
        RAISE EXCEPTION 'the run of % % is announced by the holder of its lock only', q, c;
    END IF;
    n := nextval('dnt.run_numbers');
    INSERT INTO dnt.run_holders(quarter, centre, login, since, run, pid)
        VALUES (q, c, session_user, since, n, pg_backend_pid())
        ON CONFLICT (quarter, centre) DO UPDATE
        SET login = EXCLUDED.login, since = EXCLUDED.since, run = EXCLUDED.run, pid = EXCLUDED.pid;
    RETURN n;
END $$;

-- A run's row, in the caller's transaction, under the caller's name: the number its holder
-- reserved, or a new one.
CREATE FUNCTION dnt.open_run(reserved bigint, t text, q text, c text, opts text, output text, kind text,
                             undoes bigint) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    n bigint;
BEGIN
    IF kind NOT IN ('print', 'undo') THEN
        RAISE EXCEPTION 'a run is a print or an undo, not %', kind;
    END IF;
    IF reserved <> 0 AND EXISTS (SELECT 1 FROM dnt.run_holders h WHERE h.run = reserved AND h.pid = pg_backend_pid())
       AND NOT EXISTS (SELECT 1 FROM dnt.runs r WHERE r.number = reserved) THEN
        n := reserved;
    ELSE
        n := nextval('dnt.run_numbers');
    END IF;
    INSERT INTO dnt.runs(number, time, login, quarter, centre, options, output, kind, undoes, xact)
        VALUES (n, t, session_user, q, c, opts, output, kind, NULLIF(undoes, 0), pg_current_xact_id());
    RETURN n;
END $$;

-- The end of the caller's run: its aidés counted from its images; a run with none is not kept.
CREATE FUNCTION dnt.finish_run(n bigint, how text) RETURNS bigint
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
DECLARE
    written bigint;
    aides bigint;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM dnt.runs r WHERE r.number = n AND r.xact = pg_current_xact_id()) THEN
        RAISE EXCEPTION 'run % is not this transaction''s', n;
    END IF;
    SELECT count(*), count(DISTINCT NULLIF(i.unit, ''::bytea)) INTO written, aides FROM dnt.run_images i WHERE i.run = n;
    IF written = 0 THEN
        DELETE FROM dnt.runs WHERE number = n;
        RETURN 0;
    END IF;
    UPDATE dnt.runs SET units = aides, note = how WHERE number = n;
    RETURN n;
END $$;

-- Marks run r as undone by the caller's run u, which must be the undo of r and have written
-- back each of r's records as r found it.
CREATE FUNCTION dnt.mark_undone(r bigint, u bigint) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM dnt.runs x WHERE x.number = u AND x.xact = pg_current_xact_id()
                   AND x.kind = 'undo' AND x.undoes = r) THEN
        RAISE EXCEPTION 'run % is not this transaction''s undo of run %', u, r;
    END IF;
    IF EXISTS (SELECT 1 FROM dnt.run_images a WHERE a.run = r AND NOT EXISTS
               (SELECT 1 FROM dnt.run_images b WHERE b.run = u AND b.file = a.file AND b.key = a.key
                AND b.after IS NOT DISTINCT FROM a.before)) THEN
        RAISE EXCEPTION 'run % did not put back every record of run %', u, r;
    END IF;
    UPDATE dnt.runs SET undone_by = u WHERE number = r AND undone_by IS NULL;
    IF NOT FOUND THEN
        RAISE EXCEPTION 'run % is unknown or undone already', r;
    END IF;
END $$;
)";

// The functions a printing role may call, with their signatures.
inline constexpr const char* kPrinterFunctions[] = {
    "dnt.may_write(bytea, bigint)",
    "dnt.write_record(bytea, bytea, bytea, bigint, bigint, boolean, bigint, bytea)",
    "dnt.remove_record(bytea, bytea, bigint, bigint, boolean, bigint, bytea)",
    "dnt.announce_run(text, text, text, bigint)",
    "dnt.open_run(bigint, text, text, text, text, text, text, bigint)",
    "dnt.finish_run(bigint, text)",
    "dnt.mark_undone(bigint, bigint)",
};

}  // namespace dba::pg::sql
