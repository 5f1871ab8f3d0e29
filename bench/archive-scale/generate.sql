-- Fills a fresh archive with a service company's years of work, server-side, for the
-- archive-scale benchmark. Run by psql as the cluster's superuser on database "ostrel":
--   psql -v sites=5000 -v units=20000 -v visits=34000 -v records=200000 -f generate.sql
-- Every record goes through archive_insert under the login of the technician who archived it,
-- so the server derives whatever it derives from the documents exactly as it does for a
-- program's push. Site, unit and visit documents are the ones RowCodec writes and reads; the
-- blobs have the layout the unit sends (8-byte register entries, 7-byte fault blocks, 5-byte
-- software positions). Everything is derived from the row numbers: the same archive each run.
--
-- The bench's own technician (tech_a) archived every 100th site with its units and most of
-- the visits there: visits at 50 sites of 5,000. Registers: most are short, some run up to the
-- unit's ring of 65,025 entries.
\set ON_ERROR_STOP 1
\set QUIET 1
SET client_min_messages = warning;

DROP SCHEMA IF EXISTS bench CASCADE;
CREATE SCHEMA bench;
GRANT USAGE ON SCHEMA bench TO PUBLIC;

-- The technicians of the company besides tech_a and tech_b, which the cluster already has.
CREATE TABLE bench.tech (n int PRIMARY KEY, login name NOT NULL, display text NOT NULL,
                         uid text NOT NULL);
INSERT INTO bench.tech VALUES
    (0, 'tech_a', 'Anna Nowak', 'A7Q2'), (1, 'tech_b', 'Bartosz Wiśniewski', 'B3K9'),
    (2, 'tech_c', 'Celina Wójcik', 'C5M1'), (3, 'tech_d', 'Dawid Kowalczyk', 'D8P4'),
    (4, 'tech_e', 'Ewa Kamińska', 'E2R7'), (5, 'tech_f', 'Filip Lewandowski', 'F6T3'),
    (6, 'tech_g', 'Grażyna Zielińska', 'G9V5'), (7, 'tech_h', 'Henryk Szymański', 'H4X8'),
    (8, 'tech_i', 'Iwona Woźniak', 'I1Z6'), (9, 'tech_j', 'Jakub Dąbrowski', 'J7B2'),
    (10, 'tech_k', 'Katarzyna Kozłowska', 'K3D9'), (11, 'tech_l', 'Łukasz Jankowski', 'L5F1');
SELECT format('CREATE ROLE %I LOGIN IN ROLE ostrel_technician', login) FROM bench.tech
    WHERE NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = login) \gexec
INSERT INTO archive_technician (login, display_name) SELECT login, display FROM bench.tech
    ON CONFLICT (login) DO NOTHING;

-- A number's pseudo-random companion in [0, m): the same for the same number every run.
CREATE FUNCTION bench.h(i bigint, salt int, m int) RETURNS int IMMUTABLE LANGUAGE sql AS
    $$ SELECT (((i * 2654435761 + salt * 40503) # (i >> 7)) % 1000003 % m)::int $$;
-- One register entry: date and time as the unit keeps them (years since 2000), the event code
-- with the "removed" bit, the source module.
CREATE FUNCTION bench.entry(t timestamp, code int, source int) RETURNS bytea IMMUTABLE
LANGUAGE sql AS $$
    SELECT decode(lpad(to_hex(extract(year FROM t)::int - 2000), 2, '0')
                  || lpad(to_hex(extract(month FROM t)::int), 2, '0')
                  || lpad(to_hex(extract(day FROM t)::int), 2, '0')
                  || lpad(to_hex(extract(hour FROM t)::int), 2, '0')
                  || lpad(to_hex(extract(minute FROM t)::int), 2, '0')
                  || lpad(to_hex(floor(extract(second FROM t))::int), 2, '0')
                  || lpad(to_hex(code), 2, '0') || lpad(to_hex(source), 2, '0'), 'hex') $$;
GRANT EXECUTE ON ALL FUNCTIONS IN SCHEMA bench TO PUBLIC;

-- Eight full rings of events, a minute to a few hours apart; a register is the newest part of
-- one of them with the reading's own entry last.
CREATE TABLE bench.ring AS
SELECT p, string_agg(bench.entry(t, code, source), ''::bytea ORDER BY i) AS bytes
FROM (SELECT p, i,
             timestamp '2012-01-01' + make_interval(days => p * 40)
                 + make_interval(secs => i * 5000 + bench.h(i, p, 4000)) AS t,
             bench.h(i, p + 10, 35) | CASE WHEN bench.h(i, p + 20, 3) = 0 THEN 128 ELSE 0 END
                 AS code,
             (ARRAY[0, 225, 240, 241, 80, 87, 128, 160, 145])[1 + bench.h(i, p + 30, 9)]
                 AS source
      FROM generate_series(0, 7) p, generate_series(1, 65024) i) e
GROUP BY p;
-- The settings of a unit as it reports them: module blocks of small numbers and flags.
CREATE TABLE bench.settings AS
SELECT string_agg(decode(lpad(to_hex(CASE WHEN i % 64 = 0 THEN (ARRAY[225, 240, 80, 87, 128])
                                                              [1 + (i / 64) % 5]
                                          WHEN i % 64 = 1 THEN 64
                                          ELSE bench.h(i, 99, 8) * bench.h(i, 98, 2) END),
                              2, '0'), 'hex'), ''::bytea ORDER BY i) AS bytes
FROM generate_series(0, 4095) i;

CREATE TABLE bench.site AS
SELECT s, gen_random_uuid() AS uuid,
       CASE WHEN s % 100 = 0 THEN 'tech_a' ELSE (SELECT login FROM bench.tech
                                                WHERE n = 1 + s % 11) END::name AS login,
       format('%s %s', (ARRAY['Szkoła Podstawowa nr', 'Hala magazynowa', 'Biurowiec',
                              'Szpital Miejski, pawilon', 'Galeria handlowa', 'Hotel',
                              'Zakład produkcyjny', 'Urząd Gminy'])[1 + s % 8], s)
           AS name,
       format('ul. %s %s, %s', (ARRAY['Łąkowa', 'Kościuszki', 'Żeromskiego', 'Polna',
                                      'Mickiewicza', 'Śląska'])[1 + s % 6], 1 + s % 97,
              (ARRAY['Kraków', 'Gdańsk', 'Łódź', 'Wrocław', 'Poznań', 'Żywiec',
                     'Bielsko-Biała'])[1 + s % 7]) AS address
FROM generate_series(0, :sites - 1) s;
CREATE TABLE bench.unit AS
SELECT u, u % :sites AS s, gen_random_uuid() AS uuid,
       CASE WHEN u % 20 = 0 THEN gen_random_uuid() END AS revision,
       format('C-%s-%s', u % :sites, u / :sites + 1) AS label,
       format('OST-%s', upper(lpad(to_hex(100000 + u), 6, '0'))) AS serial,
       (SELECT string_agg(format('%s:%s', t, k), ',' ORDER BY t, k)
        FROM (VALUES (1, 1), (80, 1), (80, 2), (128, 1)) m(t, k)
        WHERE t <> 128 OR u % 3 = 0) AS modules
FROM generate_series(0, :units - 1) u;
ALTER TABLE bench.unit ADD PRIMARY KEY (u);
-- Visits: every unit once, the first ones twice; at tech_a's sites tech_a made two of
-- three. Started a few hours apart over ten years, so each reading's last register entry is
-- its own.
CREATE TABLE bench.visit AS
SELECT v, v % :units AS u, (v % :units) % :sites AS s,
       CASE WHEN (v % :units) % :sites % 100 = 0 AND v % 3 <> 2 THEN 'tech_a'
            ELSE (SELECT login FROM bench.tech WHERE n = 1 + v % 11) END::name AS login,
       gen_random_uuid() AS uuid,
       timestamp '2016-06-01' + make_interval(secs => v::double precision
                                                        * (315360000 / :visits)
                                              + bench.h(v, 1, 3600)) AS started,
       CASE WHEN bench.h(v, 2, 1000) < 10 THEN 65025
            WHEN bench.h(v, 2, 1000) < 60 THEN 10000 + bench.h(v, 3, 55025)
            WHEN bench.h(v, 2, 1000) < 260 THEN 1500 + bench.h(v, 3, 8500)
            ELSE 50 + bench.h(v, 3, 1450) END AS entries,
       NULL::uuid AS config, NULL::uuid AS faults, NULL::uuid AS software, NULL::uuid AS eventlog
FROM generate_series(0, :visits - 1) v;
ALTER TABLE bench.visit ADD PRIMARY KEY (v);
GRANT SELECT, UPDATE ON ALL TABLES IN SCHEMA bench TO PUBLIC;
CREATE TABLE bench.refused (kind text, uuid uuid, refusal text);
GRANT INSERT ON bench.refused TO PUBLIC;
\echo generator: plan made

-- Sites and units, each under the login that archived it; every 20th unit got a new label.
SELECT format('SET SESSION AUTHORIZATION %I', login),
       format($q$INSERT INTO bench.refused SELECT 'site', s.uuid, r.o_refusal
                 FROM bench.site s, archive_insert(s.uuid, 'site', s.name,
                      timestamptz '2015-03-01' + make_interval(hours => s.s), NULL,
                      convert_to(jsonb_build_object('name', s.name, 'address', s.address,
                          'owner', 'Zarządca nieruchomości ' || s.s %% 40, 'contact',
                          'Jan Kierownik', 'phone', '+48 12 345 ' || lpad((s.s %% 1000)::text,
                          3, '0'), 'notes', '')::text, 'UTF8')) r
                 WHERE s.login = %L AND r.o_refusal IS NOT NULL$q$, login),
       format($q$INSERT INTO bench.refused SELECT 'unit', u.uuid, r.o_refusal
                 FROM bench.unit u JOIN bench.site s USING (s), archive_insert(u.uuid, 'unit',
                      u.label, timestamptz '2015-06-01' + make_interval(hours => u.u), NULL,
                      convert_to(jsonb_build_object('site', s.uuid, 'label', u.label,
                          'place', 'Rozdzielnia główna, parter', 'serial', u.serial,
                          'installed', to_char(date '2014-01-01' + u.u %% 3000, 'YYYY-MM-DD'),
                          'notes', '', 'modules', u.modules)::text, 'UTF8')) r
                 WHERE s.login = %L AND r.o_refusal IS NOT NULL$q$, login),
       format($q$INSERT INTO bench.refused SELECT 'unit', u.revision, r.o_refusal
                 FROM bench.unit u JOIN bench.site s USING (s), archive_insert(u.revision,
                      'unit', u.label || ' (po modernizacji)',
                      timestamptz '2021-06-01' + make_interval(hours => u.u), u.uuid,
                      convert_to(jsonb_build_object('site', s.uuid, 'label',
                          u.label || ' (po modernizacji)', 'place',
                          'Rozdzielnia główna, parter', 'serial', u.serial, 'installed',
                          '2021-05-20', 'notes', 'Wymiana modułów zasilaczy',
                          'modules', u.modules || ',80:3')::text, 'UTF8')) r
                 WHERE u.revision IS NOT NULL AND s.login = %L
                 AND r.o_refusal IS NOT NULL$q$, login),
       'RESET SESSION AUTHORIZATION'
FROM bench.tech ORDER BY n \gexec
\echo generator: sites and units archived

-- What each visit read from its unit, then the visit that names them. The same fault or
-- software list read twice is one record of the archive, as for a program's push: the visit
-- names whichever record holds its bytes.
SELECT format('SET SESSION AUTHORIZATION %I', login),
       format($q$UPDATE bench.visit v SET config = r.o_uuid FROM bench.visit w,
                 archive_insert(gen_random_uuid(), 'config', 'Konfiguracja ' || w.v, w.started,
                     NULL, overlay(substring((SELECT bytes FROM bench.settings)
                                             FROM 1 FOR 600 + bench.h(w.v, 4, 3000))
                                   PLACING int4send(w.v) FROM 9)) r
                 WHERE w.login = %1$L AND v.v = w.v$q$, login),
       format($q$UPDATE bench.visit v SET faults = r.o_uuid FROM bench.visit w,
                 archive_insert(gen_random_uuid(), 'faults', 'Uszkodzenia ' || w.v,
                     w.started + interval '5 min', NULL,
                     (SELECT decode(lpad(to_hex(count(*)), 2, '0'), 'hex')
                             || string_agg(decode(
                                 lpad(to_hex((ARRAY[225, 240, 80, 87, 128, 160, 145])
                                             [1 + (b + w.v) %% 7]), 2, '0') || '0'
                                 || (1 + b %% 4) || '04', 'hex')
                                 || int4send(CASE WHEN bench.h(w.v, b, 4) = 0
                                             THEN 1 << bench.h(w.v, b + 9, 31) ELSE 0 END),
                                 ''::bytea ORDER BY b)
                      FROM generate_series(0, 2 + bench.h(w.v, 5, 8)) b)) r
                 WHERE w.login = %1$L AND v.v = w.v$q$, login),
       format($q$UPDATE bench.visit v SET software = r.o_uuid FROM bench.visit w,
                 archive_insert(gen_random_uuid(), 'software', 'Wersje ' || w.v,
                     w.started + interval '6 min', NULL,
                     (SELECT string_agg(decode(
                                 lpad(to_hex((ARRAY[1, 225, 240, 80, 87, 128])[1 + b %% 6]), 2,
                                      '0') || lpad(to_hex(1 + b / 6), 2, '0')
                                 || lpad(to_hex(16 + (b + w.v / 4000 + w.u %% 3000) %% 40), 2, '0')
                                 || lpad(to_hex(bench.h(b, w.v / 4000 + w.u %% 3000, 65536)), 4,
                                         '0'),
                                 'hex'), ''::bytea ORDER BY b)
                      FROM generate_series(0, 5 + bench.h(w.u, 6, 12)) b)) r
                 WHERE w.login = %1$L AND v.v = w.v$q$, login),
       format($q$UPDATE bench.visit v SET eventlog = r.o_uuid FROM bench.visit w,
                 archive_insert(gen_random_uuid(), 'eventlog', 'Pamiętnik ' || w.v,
                     w.started + interval '8 min', NULL,
                     substring((SELECT bytes FROM bench.ring WHERE p = w.v %% 8)
                               FROM 8 * (65025 - w.entries) + 1)
                     || bench.entry(w.started, 1 + w.v %% 34, 240)) r
                 WHERE w.login = %1$L AND v.v = w.v$q$, login),
       format($q$INSERT INTO bench.refused SELECT 'visit', w.uuid, r.o_refusal
                 FROM bench.visit w JOIN bench.unit u USING (u), bench.tech t,
                 archive_insert(w.uuid, 'visit', extract(year FROM w.started) || '/'
                                || (w.v + 1), w.started + interval '2 hours', NULL,
                                convert_to(jsonb_build_object(
                     'unit', CASE WHEN u.revision IS NOT NULL
                                  AND w.started > timestamp '2021-06-01'
                                  THEN u.revision ELSE u.uuid END,
                     'type', w.v %% 3, 'technician', t.display,
                     'certificate', 'SUG/' || t.n || '/2016', 'company', 'Serwis Ppoż Sp. z o.o.',
                     'started', to_char(w.started, 'YYYY-MM-DD"T"HH24:MI:SS'),
                     'ended', to_char(w.started + interval '95 min', 'YYYY-MM-DD"T"HH24:MI:SS'),
                     'closed', 1, 'verdict', 1 + (w.v %% 17 = 0)::int,
                     'findings', CASE WHEN w.v %% 17 = 0 THEN 'Akumulatory poniżej pojemności'
                                      ELSE 'Bez uwag' END,
                     'recommendations', '', 'corrects', 0,
                     'next_service', to_char(w.started + interval '6 months', 'YYYY-MM-DD'),
                     'report_year', extract(year FROM w.started)::int, 'report_seq', w.v + 1,
                     'uid', t.uid, 'clock_read', 1, 'clock_drift', w.v %% 7 - 3, 'clock_set', 1,
                     'departure_skipped', '', 'battery_life', 4,
                     'WIZYTY_REKORDY', jsonb_build_array(
                         jsonb_build_object('role', 1, 'record', w.config, 'at',
                             to_char(w.started, 'YYYY-MM-DD"T"HH24:MI:SS')),
                         jsonb_build_object('role', 3, 'record', w.faults, 'at',
                             to_char(w.started + interval '5 min', 'YYYY-MM-DD"T"HH24:MI:SS')),
                         jsonb_build_object('role', 5, 'record', w.software, 'at',
                             to_char(w.started + interval '6 min', 'YYYY-MM-DD"T"HH24:MI:SS')),
                         jsonb_build_object('role', 6, 'record', w.eventlog, 'at',
                             to_char(w.started + interval '8 min', 'YYYY-MM-DD"T"HH24:MI:SS'))),
                     'WIZYTY_KONTROLE', (SELECT jsonb_agg(jsonb_build_object(
                         'position', c, 'module_type', (ARRAY[-1, 1, 80, 80, 128])[1 + c %% 5],
                         'module_number', 1 + c %% 2,
                         'item', (ARRAY['Stan obudowy i oznakowania',
                                        'Napięcie wyjściowe pod obciążeniem',
                                        'Przełączenie na zasilanie rezerwowe',
                                        'Sygnalizacja uszkodzenia zasilania podstawowego',
                                        'Pomiar prądu ładowania akumulatorów'])[1 + c %% 5]
                                 || ' — punkt ' || c,
                         'method', 'Oględziny i pomiar miernikiem', 'limit_text', '27,0–28,2 V',
                         'measured', replace(((2700 + bench.h(w.v, c, 110)) / 100.0)::numeric(5, 2)::text,
                                          '.', ',') || ' V',
                         'result', 1, 'remark', '') ORDER BY c)
                         FROM generate_series(0, 11) c),
                     'WIZYTY_AKUMULATORY', (SELECT jsonb_agg(jsonb_build_object(
                         'position', a, 'make', 'Yuasa NP17-12', 'capacity', 17,
                         'date_code', '2021/04', 'installed', '2021-05-20',
                         'voltage', 12.6 + a / 10.0, 'resistance', 18 + a, 'result', 1))
                         FROM generate_series(0, 1) a),
                     'WIZYTY_DIAGNOSTYKA', (SELECT jsonb_agg(jsonb_build_object(
                         'kind', 1 + d %% 2, 'position', d, 'name', 'Parametr ' || d,
                         'limit_text', '0–100', 'raw', bench.h(w.v, d, 4096),
                         'value_text', bench.h(w.v, d, 100) || ' %%', 'result', 'OK', 'at',
                         to_char(w.started + interval '20 min', 'YYYY-MM-DD"T"HH24:MI:SS')))
                         FROM generate_series(0, 7) d),
                     'WIZYTY_PROTOKOLY', jsonb_build_array(jsonb_build_object(
                         'html', '<html><body><h1>Protokół ' || w.v || '</h1><table>'
                                 || repeat('<tr><td>Kontrola okresowa zasilacza</td>'
                                           || '<td>27,6 V</td><td>pozytywny</td></tr>', 60)
                                 || '</table></body></html>',
                         'sha256', encode(sha256(int4send(w.v)), 'hex'),
                         'basis', repeat('{"punkt":"kontrola","wynik":1}', 30),
                         'page_format', 'A4', 'frozen_at',
                         to_char(w.started + interval '2 hours', 'YYYY-MM-DD"T"HH24:MI:SS'))),
                     'WIZYTY_REJESTR', jsonb_build_array(jsonb_build_object(
                         'entries', w.entries, 'last_index', w.entries - 1,
                         'last_entry', encode(bench.entry(w.started, 1 + w.v %% 34, 240), 'hex'),
                         'at', to_char(w.started + interval '8 min', 'YYYY-MM-DD"T"HH24:MI:SS'))),
                     'WIZYTY_DANE', jsonb_build_array(
                         jsonb_build_object('key', 'customer', 'value', 'Administrator obiektu'),
                         jsonb_build_object('key', 'place', 'value', 'Rozdzielnia główna'))
                 )::text, 'UTF8')) r
                 WHERE w.login = %1$L AND t.login = w.login AND r.o_refusal IS NOT NULL$q$,
              login),
       'RESET SESSION AUTHORIZATION'
FROM bench.tech ORDER BY n \gexec
\echo generator: visits archived

-- Records read without a visit (a configuration saved in the office, a register read for a
-- look) make up the rest of the records, under the colleagues' logins and with no site.
SELECT :records - count(*) AS missing FROM archive_record \gset
SELECT format('SET SESSION AUTHORIZATION %I', login),
       format($q$INSERT INTO bench.refused SELECT 'loose', NULL, r.o_refusal
                 FROM generate_series(1, %s) g, archive_insert(gen_random_uuid(),
                     CASE WHEN g %% 2 = 0 THEN 'config' ELSE 'eventlog' END,
                     'Odczyt ' || %s || '-' || g, timestamptz '2019-01-01'
                     + make_interval(mins => g * 97 + %s), NULL,
                     CASE WHEN g %% 2 = 0
                          THEN overlay(substring((SELECT bytes FROM bench.settings)
                                                 FROM 1 FOR 1200) PLACING int4send(-g - %s * 100000) FROM 9)
                          ELSE substring((SELECT bytes FROM bench.ring WHERE p = g %% 8)
                                         FROM 8 * (65025 - 200 - g %% 900) + 1)
                               || bench.entry(timestamp '2025-01-01'
                                              + make_interval(mins => g * 13 + %s * 7), 3, 80)
                     END) r WHERE r.o_refusal IS NOT NULL$q$,
              :missing / 11 + CASE WHEN n <= :missing % 11 THEN 1 ELSE 0 END, n, n, n, n),
       'RESET SESSION AUTHORIZATION'
FROM bench.tech WHERE :missing > 0 AND n > 0 ORDER BY n \gexec

SELECT count(*) > 0 AS refused FROM bench.refused \gset
\if :refused
\echo generator: the archive refused records it should have taken
SELECT kind, refusal, count(*) FROM bench.refused GROUP BY 1, 2;
DO $$ BEGIN RAISE EXCEPTION 'generated records refused'; END $$;
\endif
DROP SCHEMA bench CASCADE;
VACUUM ANALYZE;
CHECKPOINT;
SELECT format('generator: %s records, %s MB of record bytes, %s MB on disk', count(*),
              sum(octet_length(data)) / 1048576, pg_database_size(current_database()) / 1048576)
           AS line
FROM archive_record \gset generated_
\echo :generated_line
