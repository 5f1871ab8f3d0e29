-- What the archive-scale benchmark adds between syncs, as a technician's program pushes it, all
-- through archive_insert under the session's login. Applied by the bench to each archive it
-- measures; it reads nothing of the archive but what it is given.
\set ON_ERROR_STOP 1
SET client_min_messages = warning;

-- A site and one unit at it; returns the unit.
CREATE OR REPLACE FUNCTION bench_place(p_name text) RETURNS uuid
LANGUAGE plpgsql AS $$
DECLARE
    v_site uuid := gen_random_uuid();
    v_unit uuid := gen_random_uuid();
    v_refusal text;
BEGIN
    SELECT o_refusal INTO v_refusal FROM archive_insert(v_site, 'site', p_name, now(), NULL,
        convert_to(jsonb_build_object('name', p_name, 'address', 'ul. Polna 1, Kraków',
                                      'owner', '', 'contact', '', 'phone', '',
                                      'notes', '')::text, 'UTF8'));
    IF v_refusal IS NULL THEN
        SELECT o_refusal INTO v_refusal FROM archive_insert(v_unit, 'unit', 'C-' || p_name,
            now(), NULL, convert_to(jsonb_build_object('site', v_site, 'label', 'C-' || p_name,
                'place', 'Rozdzielnia', 'serial', 'OST-1', 'installed', '2020-01-01',
                'notes', '', 'modules', '1:1,80:1')::text, 'UTF8'));
    END IF;
    IF v_refusal IS NOT NULL THEN
        RAISE EXCEPTION 'bench_place refused: %', v_refusal;
    END IF;
    RETURN v_unit;
END
$$;

-- A visit to p_unit with what it read there: configuration, fault and software lists and a
-- register of 2,000 entries, then the closed visit naming them. Five new records; p_seq keeps
-- each call's bytes its own.
CREATE OR REPLACE FUNCTION bench_visit(p_unit uuid, p_seq int) RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
    v_at timestamp := date_trunc('second', clock_timestamp()::timestamp)
                      + make_interval(secs => p_seq);
    v_data bytea[] := ARRAY[
        overlay(decode(repeat('00011f2a4000000102', 220), 'hex') PLACING int4send(p_seq)
                FROM 9),
        decode('02e1010400000000f00104', 'hex') || int4send(p_seq),
        decode('0101231a2be1011712aa', 'hex') || int4send(p_seq) || decode('10', 'hex'),
        NULL];
    v_kinds text[] := ARRAY['config', 'faults', 'software', 'eventlog'];
    v_roles int[] := ARRAY[1, 3, 5, 6];
    v_ids uuid[] := ARRAY[]::uuid[];
    v_links jsonb := '[]';
    v_register bytea;
    v_found record;
BEGIN
    -- 2,000 register entries a few minutes apart, the newest this visit's own.
    SELECT string_agg(decode((SELECT string_agg(lpad(to_hex(f), 2, '0'), '' ORDER BY k)
                              FROM unnest(ARRAY[extract(year FROM t)::int - 2000,
                                                extract(month FROM t)::int,
                                                extract(day FROM t)::int,
                                                extract(hour FROM t)::int,
                                                extract(minute FROM t)::int,
                                                extract(second FROM t)::int, 31, 240])
                                   WITH ORDINALITY u(f, k)), 'hex'), ''::bytea ORDER BY t)
        INTO v_register
        FROM (SELECT v_at - make_interval(mins => 7 * i) AS t
              FROM generate_series(0, 1999) i) e;
    v_data[4] := v_register;
    FOR i IN 1..4 LOOP
        SELECT * INTO v_found FROM archive_insert(gen_random_uuid(), v_kinds[i],
            v_kinds[i] || ' ' || p_seq, v_at, NULL, v_data[i]);
        IF v_found.o_refusal IS NOT NULL THEN
            RAISE EXCEPTION 'bench_visit refused %: %', v_kinds[i], v_found.o_refusal;
        END IF;
        v_links := v_links || jsonb_build_object('role', v_roles[i], 'record', v_found.o_uuid,
                                                 'at', to_char(v_at, 'YYYY-MM-DD"T"HH24:MI:SS'));
    END LOOP;
    SELECT * INTO v_found FROM archive_insert(gen_random_uuid(), 'visit',
        extract(year FROM v_at) || '/' || p_seq, v_at, NULL,
        convert_to(jsonb_build_object(
            'unit', p_unit, 'type', 0, 'technician', 'Bartosz Wiśniewski',
            'started', to_char(v_at, 'YYYY-MM-DD"T"HH24:MI:SS'), 'closed', 1, 'verdict', 1,
            'report_year', extract(year FROM v_at)::int, 'report_seq', p_seq, 'uid', 'BNCH',
            'battery_life', 4, 'WIZYTY_REKORDY', v_links,
            'WIZYTY_KONTROLE', (SELECT jsonb_agg(jsonb_build_object(
                'position', c, 'module_type', 80, 'module_number', 1,
                'item', 'Napięcie wyjściowe pod obciążeniem — punkt ' || c,
                'measured', '27,6 V', 'result', 1)) FROM generate_series(0, 11) c))::text,
            'UTF8'));
    IF v_found.o_refusal IS NOT NULL THEN
        RAISE EXCEPTION 'bench_visit refused the visit: %', v_found.o_refusal;
    END IF;
END
$$;
