-- The company archive of Konfigurator Ostrel records on PostgreSQL.
-- Apply as the database owner (scripts/archive-server does): it is safe to apply again.
-- The client refuses a server whose archive_schema.version differs from its own.
BEGIN;

DO $$
BEGIN
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'ostrel_technician') THEN
        CREATE ROLE ostrel_technician NOLOGIN;
    END IF;
    IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'ostrel_admin') THEN
        CREATE ROLE ostrel_admin NOLOGIN;
    END IF;
END
$$;

CREATE TABLE IF NOT EXISTS archive_schema (version integer NOT NULL);
INSERT INTO archive_schema SELECT 1 WHERE NOT EXISTS (SELECT 1 FROM archive_schema);

CREATE SEQUENCE IF NOT EXISTS archive_seq;

-- One row per record or configuration revision. seq orders every change, so that a client
-- pulls only what is newer than the last seq it has seen.
CREATE TABLE IF NOT EXISTS archive_record (
    seq bigint NOT NULL DEFAULT 0,
    uuid uuid PRIMARY KEY,
    kind text NOT NULL,
    revisioned boolean NOT NULL DEFAULT false,
    unit text NOT NULL DEFAULT '',
    name text NOT NULL,
    author text NOT NULL,
    created timestamptz NOT NULL,
    parent uuid REFERENCES archive_record (uuid),
    hash text NOT NULL,
    data bytea NOT NULL,
    login name NOT NULL DEFAULT session_user,
    withdrawn boolean NOT NULL DEFAULT false,
    archived_at timestamptz NOT NULL DEFAULT now()
);
CREATE UNIQUE INDEX IF NOT EXISTS archive_record_seq ON archive_record (seq);
-- The same bytes of the same unit are one record, whoever read them.
CREATE UNIQUE INDEX IF NOT EXISTS archive_record_once ON archive_record (kind, unit, hash)
    WHERE NOT revisioned;

-- A client that has seen seq N must never later meet a committed row below N. Writers take
-- one transaction lock before they draw numbers, so numbers become visible in order.
CREATE OR REPLACE FUNCTION archive_number() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    PERFORM pg_advisory_xact_lock(727001);
    NEW.seq := nextval('archive_seq');
    RETURN NEW;
END
$$;
DROP TRIGGER IF EXISTS archive_record_number ON archive_record;
CREATE TRIGGER archive_record_number BEFORE INSERT ON archive_record
    FOR EACH ROW EXECUTE FUNCTION archive_number();

-- The only change a technician may make: withdraw a record of their own login. The row stays,
-- and gets a new number so that every client learns of it at its next pull.
CREATE OR REPLACE FUNCTION archive_withdraw(p_uuid uuid) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    PERFORM pg_advisory_xact_lock(727001);
    UPDATE archive_record SET withdrawn = true, seq = nextval('archive_seq')
        WHERE uuid = p_uuid AND login = session_user AND NOT withdrawn;
    RETURN FOUND;
END
$$;

REVOKE ALL ON archive_record, archive_schema, archive_seq FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_withdraw(uuid) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_number() FROM PUBLIC;
GRANT SELECT ON archive_schema TO ostrel_technician, ostrel_admin;
GRANT SELECT ON archive_record TO ostrel_technician;
GRANT INSERT (uuid, kind, revisioned, unit, name, author, created, parent, hash, data)
    ON archive_record TO ostrel_technician;
GRANT EXECUTE ON FUNCTION archive_withdraw(uuid) TO ostrel_technician;
GRANT ALL ON archive_record, archive_schema, archive_seq TO ostrel_admin;
GRANT EXECUTE ON FUNCTION archive_withdraw(uuid) TO ostrel_admin;

COMMIT;
