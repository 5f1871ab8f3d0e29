-- The company archive of Konfigurator Ostrel records on PostgreSQL (13 or newer).
-- Apply as the database owner (scripts/archive-server does): it is safe to apply again, and it
-- brings an archive of schema 1 to schema 2 in place.
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

-- identity names this archive and epoch counts its restores from a backup: a client that
-- finds either changed compares what it holds with the server before it trusts its position.
CREATE TABLE IF NOT EXISTS archive_schema (version integer NOT NULL);
INSERT INTO archive_schema SELECT 2 WHERE NOT EXISTS (SELECT 1 FROM archive_schema);
ALTER TABLE archive_schema ADD COLUMN IF NOT EXISTS identity uuid NOT NULL
    DEFAULT gen_random_uuid();
ALTER TABLE archive_schema ADD COLUMN IF NOT EXISTS epoch integer NOT NULL DEFAULT 1;

CREATE SEQUENCE IF NOT EXISTS archive_seq;

-- One row per record or configuration revision. seq names every change; xid is the
-- transaction that made it, which is what a client pulls by (see archive_number).
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
-- Rows of schema 1 count as made before any transaction a client can still be waiting for.
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS xid xid8 NOT NULL DEFAULT '0';
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS withdrawn_at timestamptz;
CREATE UNIQUE INDEX IF NOT EXISTS archive_record_seq ON archive_record (seq);
CREATE INDEX IF NOT EXISTS archive_record_pull ON archive_record (xid, seq);
-- The same bytes of the same unit are one record, whoever read them.
CREATE UNIQUE INDEX IF NOT EXISTS archive_record_once ON archive_record (kind, unit, hash)
    WHERE NOT revisioned;

-- Who may write, under which name. The administrator fills it (scripts/archive-server
-- add-technician); a record's author is always the name registered for the login that
-- archived it, never what a client says.
CREATE TABLE IF NOT EXISTS archive_technician (
    login name PRIMARY KEY,
    display_name text NOT NULL CHECK (display_name <> ''),
    added_at timestamptz NOT NULL DEFAULT now(),
    revoked_at timestamptz
);

-- What the server refused, for the audit.
CREATE TABLE IF NOT EXISTS archive_rejection (
    at timestamptz NOT NULL DEFAULT now(),
    login name NOT NULL DEFAULT session_user,
    uuid uuid,
    kind text,
    name text,
    reason text NOT NULL
);

-- Schema 1 trusted the hash a client sent. A row whose bytes do not give its hash gets its
-- true hash, or, when another record already holds those bytes, is withdrawn under a hash no
-- record can have, so that it blocks nobody's push.
DO $$
DECLARE
    r record;
BEGIN
    FOR r IN SELECT uuid, encode(sha256(data), 'hex') AS truth FROM archive_record
             WHERE hash <> encode(sha256(data), 'hex') LOOP
        BEGIN
            UPDATE archive_record SET hash = r.truth WHERE uuid = r.uuid;
        EXCEPTION WHEN unique_violation THEN
            UPDATE archive_record SET hash = 'forged:' || r.uuid, withdrawn = true,
                withdrawn_at = now() WHERE uuid = r.uuid;
        END;
    END LOOP;
END
$$;

-- Numbers become visible out of order (a transaction that drew 10 may commit after one that
-- drew 11), so clients do not pull by number: they pull only rows whose transaction is older
-- than every transaction still running (pg_snapshot_xmin), in (xid, seq) order. No lock is
-- shared between writers, so no login can hold up another's push.
CREATE OR REPLACE FUNCTION archive_number() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    NEW.seq := nextval('archive_seq');
    NEW.xid := pg_current_xact_id();
    RETURN NEW;
END
$$;
DROP TRIGGER IF EXISTS archive_record_number ON archive_record;
CREATE TRIGGER archive_record_number BEFORE INSERT ON archive_record
    FOR EACH ROW EXECUTE FUNCTION archive_number();

CREATE OR REPLACE FUNCTION archive_refuse(p_uuid uuid, p_kind text, p_name text, p_reason text)
RETURNS void
LANGUAGE sql SECURITY DEFINER SET search_path = public, pg_temp AS $$
    INSERT INTO archive_rejection (uuid, kind, name, reason)
    VALUES (p_uuid, p_kind, left(p_name, 200), p_reason);
$$;

-- The only way a technician writes a record. Returns the record that now holds these bytes
-- (the new one, or the one of the same bytes already archived) and the author the archive
-- gave it, or a refusal that is also kept for the audit. A refusal is an answer, not an
-- error, so that it is recorded even though nothing else is written.
CREATE OR REPLACE FUNCTION archive_insert(p_uuid uuid, p_kind text, p_name text,
                                          p_created timestamptz, p_parent uuid, p_data bytea,
                                          OUT o_uuid uuid, OUT o_author text,
                                          OUT o_refusal text)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
    v_hash text;
    v_revisioned boolean := p_kind IN ('config', 'site', 'unit');
    v_found record;
    v_document jsonb;
    v_rounds integer := 0;
BEGIN
    SELECT display_name INTO o_author FROM archive_technician
        WHERE login = session_user AND revoked_at IS NULL;
    IF o_author IS NULL THEN
        o_refusal := 'login not registered';
    ELSIF p_uuid IS NULL OR p_name IS NULL OR p_created IS NULL OR p_data IS NULL THEN
        o_refusal := 'incomplete';
    ELSIF p_kind IS NULL OR p_kind NOT IN ('config', 'eventlog', 'faults', 'software', 'site',
                                           'unit', 'visit') THEN
        o_refusal := 'unknown kind';
    ELSIF octet_length(p_data) > 8 * 1024 * 1024 THEN
        o_refusal := 'too large';
    ELSIF length(p_name) > 1000 THEN
        o_refusal := 'name too long';
    ELSIF p_parent IS NOT NULL AND NOT v_revisioned THEN
        o_refusal := 'parent of a record that never changes';
    END IF;
    IF o_refusal IS NULL AND p_kind IN ('site', 'unit', 'visit') THEN
        BEGIN
            v_document := convert_from(p_data, 'UTF8')::jsonb;
            IF jsonb_typeof(v_document) <> 'object' THEN
                o_refusal := 'not a JSON object';
            END IF;
        EXCEPTION WHEN OTHERS THEN
            o_refusal := 'not JSON';
        END;
    END IF;
    IF o_refusal IS NOT NULL THEN
        PERFORM archive_refuse(p_uuid, p_kind, p_name, o_refusal);
        o_author := NULL;
        RETURN;
    END IF;
    v_hash := encode(sha256(p_data), 'hex');

    -- The same push again (the client died before it noted the first): the same answer.
    SELECT kind, hash INTO v_found FROM archive_record WHERE uuid = p_uuid;
    IF FOUND THEN
        IF v_found.kind = p_kind AND v_found.hash = v_hash THEN
            o_uuid := p_uuid;
            SELECT author INTO o_author FROM archive_record WHERE uuid = p_uuid;
        ELSE
            o_refusal := 'identity taken';
            PERFORM archive_refuse(p_uuid, p_kind, p_name, o_refusal);
            o_author := NULL;
        END IF;
        RETURN;
    END IF;

    -- A revision continues an existing line of its own kind. The new row's identity is new,
    -- so a line can never come back to itself.
    IF p_parent IS NOT NULL THEN
        SELECT kind INTO v_found FROM archive_record WHERE uuid = p_parent;
        IF NOT FOUND THEN
            o_refusal := 'no such parent';
        ELSIF v_found.kind <> p_kind THEN
            o_refusal := 'parent of another kind';
        END IF;
        IF o_refusal IS NOT NULL THEN
            PERFORM archive_refuse(p_uuid, p_kind, p_name, o_refusal);
            o_author := NULL;
            RETURN;
        END IF;
    END IF;

    LOOP
        v_rounds := v_rounds + 1;
        IF NOT v_revisioned THEN
            -- The bytes themselves are compared: a hash alone is only what someone claimed.
            SELECT uuid, author INTO v_found FROM archive_record
                WHERE kind = p_kind AND unit = '' AND hash = v_hash AND NOT revisioned
                AND data = p_data;
            IF FOUND THEN
                o_uuid := v_found.uuid;
                o_author := v_found.author;
                RETURN;
            END IF;
        END IF;
        BEGIN
            INSERT INTO archive_record (uuid, kind, revisioned, name, author, created, parent,
                                        hash, data)
            VALUES (p_uuid, p_kind, v_revisioned, p_name, o_author, p_created, p_parent,
                    v_hash, p_data);
            o_uuid := p_uuid;
            RETURN;
        EXCEPTION WHEN unique_violation THEN
            -- Someone archived the same bytes meanwhile: take theirs on the next round.
            IF v_revisioned OR v_rounds >= 3 THEN
                o_refusal := 'identity taken';
                PERFORM archive_refuse(p_uuid, p_kind, p_name, o_refusal);
                o_author := NULL;
                RETURN;
            END IF;
        END;
    END LOOP;
END
$$;

-- The only change a technician may make: withdraw a record of their own login. The row stays,
-- and is numbered again so that every client learns of it at its next pull.
CREATE OR REPLACE FUNCTION archive_withdraw(p_uuid uuid) RETURNS boolean
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    UPDATE archive_record SET withdrawn = true, withdrawn_at = now(),
        seq = nextval('archive_seq'), xid = pg_current_xact_id()
        WHERE uuid = p_uuid AND login = session_user AND NOT withdrawn;
    RETURN FOUND;
END
$$;

-- A technician's session never waits long on a lock and never holds a transaction open: an
-- idle open transaction would hold back what every colleague can pull.
DO $$
BEGIN
    EXECUTE format('ALTER DATABASE %I SET idle_in_transaction_session_timeout = %L',
                   current_database(), '60s');
    EXECUTE format('ALTER DATABASE %I SET lock_timeout = %L', current_database(), '10s');
END
$$;

UPDATE archive_schema SET version = 2 WHERE version < 2;

REVOKE ALL ON archive_record, archive_schema, archive_seq, archive_technician,
    archive_rejection FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_withdraw(uuid) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_number() FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_refuse(uuid, text, text, text) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_insert(uuid, text, text, timestamptz, uuid, bytea) FROM PUBLIC;
REVOKE INSERT ON archive_record FROM ostrel_technician;
GRANT SELECT ON archive_schema TO ostrel_technician, ostrel_admin;
GRANT SELECT ON archive_record TO ostrel_technician;
GRANT EXECUTE ON FUNCTION archive_insert(uuid, text, text, timestamptz, uuid, bytea)
    TO ostrel_technician;
GRANT EXECUTE ON FUNCTION archive_withdraw(uuid) TO ostrel_technician;
GRANT ALL ON archive_record, archive_schema, archive_seq, archive_technician, archive_rejection
    TO ostrel_admin;
GRANT EXECUTE ON FUNCTION archive_withdraw(uuid) TO ostrel_admin;

COMMIT;
