#!/usr/bin/env bash
# The archive with TLS for the test that runs on both builds (the Windows one under Wine): a
# host command, like tcpsim.sh, so that a Windows program reaches a cluster on the build
# machine. Its certificate names only "localhost"; STATE-DIR/root.crt is its CA, and
# STATE-DIR/pgpass holds the logins tech_a and tech_b (signed "Anna Nowak" and "Bartosz
# Wiśniewski"); STATE-DIR/cluster/owner.pgpass the superuser's, for the tests alone.
#   pgserver.sh start ARCHIVE-SERVER PORT STATE-DIR  |  pgserver.sh stop ARCHIVE-SERVER STATE-DIR
set -euo pipefail
case "$1" in
start)
    "$2" stop "$4/cluster" >/dev/null 2>&1 || true
    rm -rf "$4" && mkdir -p "$4"
    export PGPASSFILE="$4/pgpass"
    { "$2" local "$4/cluster" "$3" tech_a tech_b && "$2" tls "$4/cluster"; } > "$4/server.log"
    # The names the archive signs their records with, as the administrator registers them
    # (the same as the clusters the archive tests start themselves).
    for login in "tech_a:Anna Nowak" "tech_b:Bartosz Wiśniewski"; do
        PGPASSFILE="$4/cluster/owner.pgpass" "$2" add-technician "${login%%:*}" "${login#*:}" \
            -h 127.0.0.1 -p "$3" -U ostrel_owner -d ostrel >> "$4/server.log"
    done
    cp "$4/cluster/root.crt" "$4/root.crt"
    # Up with TLS once a verified connection gets through.
    for _ in $(seq 50); do
        PGSSLROOTCERT="$4/root.crt" psql -tAc "SELECT 1" \
            "host=localhost port=$3 dbname=ostrel user=tech_a sslmode=verify-full" \
            >/dev/null 2>&1 && { echo "$3" > "$4/port"; exit 0; }
        sleep 0.2
    done
    cat "$4/cluster/log" >&2
    exit 1 ;;
stop)
    [ -d "$3/cluster/data" ] && "$2" stop "$3/cluster" >/dev/null 2>&1
    exit 0 ;;
esac
exit 2
