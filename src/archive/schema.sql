-- The company archive of Konfigurator Ostrel records on PostgreSQL (13 or newer).
-- Apply as the database owner (scripts/archive-server does): it is safe to apply again, and it
-- brings an archive of schema 1 or 2 to schema 3 in place.
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
-- The catalogue: where a record belongs and what it is, so that a client learns every record
-- without its bytes and the company's questions run on indexes. The server fills these from
-- the documents it checks itself (archive_place), never from what a client claims.
--   line: the first revision of the record's line (its own uuid for a record that never
--         changes); site_line / unit_line: the lines of its site and unit, NULL when unknown;
--   size: the bytes' length, so the catalogue never reads the bytes;
--   visited / next_due: a visit's start and next service date.
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS line uuid;
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS site_line uuid;
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS unit_line uuid;
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS size integer;
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS visited timestamptz;
ALTER TABLE archive_record ADD COLUMN IF NOT EXISTS next_due date;
CREATE UNIQUE INDEX IF NOT EXISTS archive_record_seq ON archive_record (seq);
CREATE INDEX IF NOT EXISTS archive_record_pull ON archive_record (xid, seq);
-- The same bytes of the same unit are one record, whoever read them.
CREATE INDEX IF NOT EXISTS archive_record_site ON archive_record (site_line, kind, seq);
CREATE INDEX IF NOT EXISTS archive_record_unit ON archive_record (unit_line, kind, seq);
CREATE INDEX IF NOT EXISTS archive_record_kind ON archive_record (kind, seq);
CREATE INDEX IF NOT EXISTS archive_record_login ON archive_record (login, kind);
CREATE INDEX IF NOT EXISTS archive_record_line ON archive_record (line, seq);
CREATE INDEX IF NOT EXISTS archive_record_labels ON archive_record (name, unit_line)
    WHERE kind = 'unit';
CREATE UNIQUE INDEX IF NOT EXISTS archive_record_once ON archive_record (kind, unit, hash)
    WHERE NOT revisioned;
-- Names are searched anywhere in the text (archive_pattern): a trigram index finds them without
-- reading every record. pg_trgm comes with PostgreSQL and is a trusted extension, so the
-- database owner may create it.
CREATE EXTENSION IF NOT EXISTS pg_trgm;
CREATE INDEX IF NOT EXISTS archive_record_name_text ON archive_record
    USING gin (name gin_trgm_ops);

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

-- A record's bytes as a JSON document; NULL when they are none.
CREATE OR REPLACE FUNCTION archive_document(p_data bytea) RETURNS jsonb
LANGUAGE plpgsql IMMUTABLE SET search_path = public, pg_temp AS $$
BEGIN
    RETURN convert_from(p_data, 'UTF8')::jsonb;
EXCEPTION WHEN OTHERS THEN
    RETURN NULL;
END
$$;

-- A text of a colleague's document as a UUID, a time or a date; NULL when it is none.
CREATE OR REPLACE FUNCTION archive_as_uuid(p_text text) RETURNS uuid
LANGUAGE plpgsql IMMUTABLE SET search_path = public, pg_temp AS $$
BEGIN
    IF p_text IS NULL OR p_text !~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
    THEN
        RETURN NULL;
    END IF;
    RETURN p_text::uuid;
END
$$;
CREATE OR REPLACE FUNCTION archive_as_time(p_text text) RETURNS timestamptz
LANGUAGE plpgsql STABLE SET search_path = public, pg_temp AS $$
BEGIN
    IF p_text IS NULL OR p_text !~ '^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}' OR length(p_text) > 40 THEN
        RETURN NULL;
    END IF;
    RETURN p_text::timestamptz;
EXCEPTION WHEN OTHERS THEN
    RETURN NULL;
END
$$;
CREATE OR REPLACE FUNCTION archive_as_date(p_text text) RETURNS date
LANGUAGE plpgsql STABLE SET search_path = public, pg_temp AS $$
BEGIN
    IF p_text IS NULL OR p_text !~ '^\d{4}-\d{2}-\d{2}$' THEN
        RETURN NULL;
    END IF;
    RETURN p_text::date;
EXCEPTION WHEN OTHERS THEN
    RETURN NULL;
END
$$;

-- Places a new row in the catalogue from what the server itself knows: the line from its
-- parent, the site and unit from the records its document names, checked to be a site and a
-- unit. A visit also places the records it links (those not placed yet) and numbers them
-- again, so that every client's next pull learns where they belong.
CREATE OR REPLACE FUNCTION archive_place() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
    v_document jsonb;
    v_named record;
BEGIN
    NEW.size := octet_length(NEW.data);
    NEW.line := NEW.uuid;
    NEW.site_line := NULL;
    NEW.unit_line := NULL;
    NEW.visited := NULL;
    NEW.next_due := NULL;
    IF NEW.parent IS NOT NULL THEN
        SELECT coalesce(line, uuid) INTO NEW.line FROM archive_record WHERE uuid = NEW.parent;
        NEW.line := coalesce(NEW.line, NEW.uuid);
    END IF;
    -- A site is its own place and a unit its own unit, whatever their documents hold.
    IF NEW.kind = 'site' THEN
        NEW.site_line := NEW.line;
    ELSIF NEW.kind = 'unit' THEN
        NEW.unit_line := NEW.line;
    END IF;
    IF NEW.kind NOT IN ('unit', 'visit') THEN
        RETURN NEW;
    END IF;
    v_document := archive_document(NEW.data);
    IF v_document IS NULL OR jsonb_typeof(v_document) <> 'object' THEN
        RETURN NEW;
    END IF;
    IF NEW.kind = 'unit' THEN
        SELECT coalesce(line, uuid) AS line INTO v_named FROM archive_record
            WHERE uuid = archive_as_uuid(v_document->>'site') AND kind = 'site';
        IF FOUND THEN
            NEW.site_line := v_named.line;
        END IF;
    ELSE
        SELECT coalesce(line, uuid) AS line, site_line INTO v_named FROM archive_record
            WHERE uuid = archive_as_uuid(v_document->>'unit') AND kind = 'unit';
        IF FOUND THEN
            NEW.unit_line := v_named.line;
            NEW.site_line := v_named.site_line;
        END IF;
        NEW.visited := archive_as_time(v_document->>'started');
        NEW.next_due := archive_as_date(v_document->>'next_service');
    END IF;
    RETURN NEW;
END
$$;
DROP TRIGGER IF EXISTS archive_record_place ON archive_record;
CREATE TRIGGER archive_record_place BEFORE INSERT ON archive_record
    FOR EACH ROW EXECUTE FUNCTION archive_place();

-- The records a visit links (at most as many as a visit may carry) take its site and unit
-- where they have none yet, and are numbered again in the visit's transaction.
CREATE OR REPLACE FUNCTION archive_place_links(p_visit uuid) RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
    v_visit record;
    v_links uuid[];
BEGIN
    SELECT data, site_line, unit_line INTO v_visit FROM archive_record
        WHERE uuid = p_visit AND kind = 'visit';
    IF NOT FOUND OR (v_visit.site_line IS NULL AND v_visit.unit_line IS NULL) THEN
        RETURN;
    END IF;
    BEGIN
        SELECT array_agg(DISTINCT archive_as_uuid(link->>'record')) INTO v_links
            FROM (SELECT jsonb_array_elements(archive_document(v_visit.data)
                                              -> 'WIZYTY_REKORDY') AS link
                  LIMIT 10000) AS links
            WHERE jsonb_typeof(link) = 'object';
    EXCEPTION WHEN OTHERS THEN
        RETURN; -- not an array: the visit links nothing the server can place
    END;
    IF v_links IS NULL THEN
        RETURN;
    END IF;
    UPDATE archive_record SET site_line = coalesce(site_line, v_visit.site_line),
        unit_line = coalesce(unit_line, v_visit.unit_line),
        seq = nextval('archive_seq'), xid = pg_current_xact_id()
        WHERE uuid = ANY (v_links) AND kind IN ('config', 'eventlog', 'faults', 'software')
        AND ((site_line IS NULL AND v_visit.site_line IS NOT NULL)
             OR (unit_line IS NULL AND v_visit.unit_line IS NOT NULL));
END
$$;
CREATE OR REPLACE FUNCTION archive_place_after() RETURNS trigger
LANGUAGE plpgsql SECURITY DEFINER SET search_path = public, pg_temp AS $$
BEGIN
    PERFORM archive_place_links(NEW.uuid);
    RETURN NULL;
END
$$;
DROP TRIGGER IF EXISTS archive_record_links ON archive_record;
CREATE TRIGGER archive_record_links AFTER INSERT ON archive_record
    FOR EACH ROW WHEN (NEW.kind = 'visit') EXECUTE FUNCTION archive_place_after();

-- Schema 2 had no catalogue: every row is placed once, parents and sites before what names
-- them. Rows placed already (size set) are left alone, so applying this again changes nothing.
DO $$
DECLARE
    r record;
BEGIN
    IF NOT EXISTS (SELECT 1 FROM archive_record WHERE size IS NULL) THEN
        RETURN;
    END IF;
    WITH RECURSIVE chain AS (
        SELECT uuid, uuid AS line FROM archive_record WHERE parent IS NULL
        UNION ALL
        SELECT c.uuid, chain.line FROM archive_record c JOIN chain ON c.parent = chain.uuid
    )
    UPDATE archive_record a SET line = chain.line, size = octet_length(a.data)
        FROM chain WHERE chain.uuid = a.uuid AND a.size IS NULL;
    UPDATE archive_record SET line = uuid, size = octet_length(data) WHERE size IS NULL;
    UPDATE archive_record SET site_line = line WHERE kind = 'site' AND site_line IS NULL;
    UPDATE archive_record u SET unit_line = u.line, site_line = s.line
        FROM archive_record s
        WHERE u.kind = 'unit' AND u.site_line IS NULL AND s.kind = 'site'
        AND s.uuid = archive_as_uuid(archive_document(u.data)->>'site');
    UPDATE archive_record SET unit_line = line WHERE kind = 'unit' AND unit_line IS NULL;
    UPDATE archive_record SET visited = archive_as_time(archive_document(data)->>'started'),
        next_due = archive_as_date(archive_document(data)->>'next_service')
        WHERE kind = 'visit' AND unit_line IS NULL;
    UPDATE archive_record v SET unit_line = u.line, site_line = u.site_line
        FROM archive_record u
        WHERE v.kind = 'visit' AND v.unit_line IS NULL AND u.kind = 'unit'
        AND u.uuid = archive_as_uuid(archive_document(v.data)->>'unit');
    FOR r IN SELECT uuid FROM archive_record WHERE kind = 'visit' ORDER BY seq LOOP
        PERFORM archive_place_links(r.uuid);
    END LOOP;
END
$$;

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

-- "moje obiekty": the sites whose visits this login archived, and the sites and units it
-- archived itself.
CREATE OR REPLACE FUNCTION archive_my_sites() RETURNS SETOF uuid
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
    SELECT DISTINCT site_line FROM archive_record
        WHERE login = session_user AND kind IN ('site', 'unit', 'visit')
        AND site_line IS NOT NULL;
$$;

-- A text to look for, as a case-insensitive LIKE pattern that matches it literally.
CREATE OR REPLACE FUNCTION archive_pattern(p_text text) RETURNS text
LANGUAGE sql IMMUTABLE SET search_path = public, pg_temp AS $$
    SELECT '%' || replace(replace(replace(left(p_text, 200), '\', '\\'), '%', '\%'), '_', '\_')
        || '%';
$$;

-- The company's units, the newest revision of each, with their site and service state;
-- keyset-paged by (label, unit line), at most 500 a page.
CREATE OR REPLACE FUNCTION archive_units(p_text text, p_after_label text, p_after_unit uuid,
                                         p_limit integer)
RETURNS TABLE (unit uuid, label text, site uuid, site_name text, last_visit timestamptz,
               next_due date, visits integer)
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
    SELECT u.unit_line, u.name, u.site_line,
           (SELECT s.name FROM archive_record s WHERE s.line = u.site_line AND s.kind = 'site'
                ORDER BY s.seq DESC LIMIT 1),
           v.last_visit,
           (SELECT d.next_due FROM archive_record d WHERE d.unit_line = u.unit_line
                AND d.kind = 'visit' AND NOT d.withdrawn
                ORDER BY d.visited DESC NULLS LAST, d.seq DESC LIMIT 1),
           coalesce(v.visits, 0)
    FROM archive_record u
    LEFT JOIN LATERAL (SELECT max(w.visited) AS last_visit, count(*)::integer AS visits
                       FROM archive_record w WHERE w.unit_line = u.unit_line
                       AND w.kind = 'visit' AND NOT w.withdrawn) v ON true
    WHERE u.kind = 'unit' AND NOT u.withdrawn
    AND (p_after_label IS NULL OR (u.name, u.unit_line) >
         (p_after_label, coalesce(p_after_unit, '00000000-0000-0000-0000-000000000000')))
    AND (p_text IS NULL OR p_text = '' OR u.name ILIKE archive_pattern(p_text)
         OR EXISTS (SELECT 1 FROM archive_record s WHERE s.line = u.site_line
                    AND s.kind = 'site' AND s.name ILIKE archive_pattern(p_text)))
    AND NOT EXISTS (SELECT 1 FROM archive_record n WHERE n.line = u.line AND n.seq > u.seq
                    AND n.kind = 'unit')
    ORDER BY u.name, u.unit_line
    LIMIT least(greatest(coalesce(p_limit, 100), 1), 500);
$$;

-- The catalogue (no bytes), newest first, keyset-paged by seq, at most 500 a page; a NULL
-- parameter means "any". The text matches the record's name, its site's name or its unit's
-- label. The statement is put together from fixed parts only; every value is bound. Dropped
-- first: its columns grew (the visit's date), which a replace cannot change.
DROP FUNCTION IF EXISTS archive_search(text, uuid, uuid, text, bigint, integer);
CREATE FUNCTION archive_search(p_kind text, p_site uuid, p_unit uuid, p_text text,
                                          p_before_seq bigint, p_limit integer)
RETURNS TABLE (seq bigint, uuid uuid, kind text, name text, author text, login name,
               created timestamptz, parent uuid, line uuid, site uuid, unit uuid, hash text,
               size integer, withdrawn boolean, site_name text, unit_label text,
               visited timestamptz)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = public, pg_temp AS $$
DECLARE
    v_where text := 'true';
    v_sites uuid[];
    v_units uuid[];
BEGIN
    IF p_kind IS NOT NULL AND p_kind <> '' THEN
        v_where := v_where || ' AND r.kind = $1';
    END IF;
    IF p_site IS NOT NULL THEN
        v_where := v_where || ' AND r.site_line = $2';
    END IF;
    IF p_unit IS NOT NULL THEN
        v_where := v_where || ' AND r.unit_line = $3';
    END IF;
    IF p_before_seq IS NOT NULL AND p_before_seq > 0 THEN
        v_where := v_where || ' AND r.seq < $5';
    END IF;
    IF p_text IS NOT NULL AND p_text <> '' THEN
        SELECT array_agg(DISTINCT s.line) INTO v_sites FROM archive_record s
            WHERE s.kind = 'site' AND s.name ILIKE archive_pattern(p_text);
        SELECT array_agg(DISTINCT u.line) INTO v_units FROM archive_record u
            WHERE u.kind = 'unit' AND u.name ILIKE archive_pattern(p_text);
        v_where := v_where || ' AND (r.name ILIKE archive_pattern($4)'
            || ' OR r.site_line = ANY ($7) OR r.unit_line = ANY ($8))';
    END IF;
    RETURN QUERY EXECUTE
        'SELECT r.seq, r.uuid, r.kind, r.name, r.author, r.login, r.created, r.parent, r.line,'
        || ' r.site_line, r.unit_line, r.hash, r.size, r.withdrawn,'
        || ' (SELECT s.name FROM archive_record s WHERE s.line = r.site_line'
        || '  AND s.kind = ''site'' ORDER BY s.seq DESC LIMIT 1),'
        || ' (SELECT u.name FROM archive_record u WHERE u.line = r.unit_line'
        || '  AND u.kind = ''unit'' ORDER BY u.seq DESC LIMIT 1), r.visited'
        || ' FROM archive_record r WHERE ' || v_where
        || ' ORDER BY r.seq DESC LIMIT $6'
        USING p_kind, p_site, p_unit, p_text, p_before_seq,
              least(greatest(coalesce(p_limit, 100), 1), 500),
              coalesce(v_sites, '{}'), coalesce(v_units, '{}');
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

UPDATE archive_schema SET version = 3 WHERE version < 3;

REVOKE ALL ON archive_record, archive_schema, archive_seq, archive_technician,
    archive_rejection FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_withdraw(uuid) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_number() FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_place() FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_place_after() FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_place_links(uuid) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_my_sites() FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_units(text, text, uuid, integer) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_search(text, uuid, uuid, text, bigint, integer) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_refuse(uuid, text, text, text) FROM PUBLIC;
REVOKE ALL ON FUNCTION archive_insert(uuid, text, text, timestamptz, uuid, bytea) FROM PUBLIC;
REVOKE INSERT ON archive_record FROM ostrel_technician;
GRANT SELECT ON archive_schema TO ostrel_technician, ostrel_admin;
GRANT SELECT ON archive_record TO ostrel_technician;
GRANT EXECUTE ON FUNCTION archive_insert(uuid, text, text, timestamptz, uuid, bytea)
    TO ostrel_technician;
GRANT EXECUTE ON FUNCTION archive_withdraw(uuid) TO ostrel_technician;
GRANT EXECUTE ON FUNCTION archive_my_sites(), archive_units(text, text, uuid, integer),
    archive_search(text, uuid, uuid, text, bigint, integer) TO ostrel_technician, ostrel_admin;
GRANT ALL ON archive_record, archive_schema, archive_seq, archive_technician, archive_rejection
    TO ostrel_admin;
GRANT EXECUTE ON FUNCTION archive_withdraw(uuid) TO ostrel_admin;

COMMIT;
