#!/usr/bin/env bash
# The company archive with TLS for the archive test that runs on both builds (the Windows one
# under Wine): a host command, like tcpsim.sh, so that a Windows program reaches a PostgreSQL
# cluster on the build machine. Its certificate is signed by a test CA and names only
# "localhost", so a client that verifies the host name fails on "127.0.0.1".
#   pgserver.sh start ARCHIVE-SERVER-SCRIPT PORT STATE-DIR  |  pgserver.sh stop ARCHIVE-SERVER-SCRIPT STATE-DIR
# STATE-DIR then holds root.crt (the test CA), pgpass (the logins tech_a and tech_b for both
# host names) and port.
set -euo pipefail
server="$2"
case "$1" in
start)
    port="$3" state="$4"
    "$server" stop "$state/cluster" >/dev/null 2>&1 || true
    rm -rf "$state" && mkdir -p "$state"
    export PGPASSFILE="$state/pgpass"
    "$server" local "$state/cluster" "$port" tech_a tech_b > "$state/server.log"
    sed -n 's/^127\.0\.0\.1:/localhost:/p' "$PGPASSFILE" >> "$PGPASSFILE"
    (
        cd "$state"
        openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Ostrel test CA" \
            -keyout ca.key -out root.crt 2>/dev/null
        openssl req -newkey rsa:2048 -nodes -subj "/CN=localhost" -keyout server.key \
            -out server.csr 2>/dev/null
        printf 'subjectAltName=DNS:localhost\n' > san.ext
        openssl x509 -req -in server.csr -CA root.crt -CAkey ca.key -CAcreateserial -days 2 \
            -extfile san.ext -out server.crt 2>/dev/null
        chmod 600 server.key
        [ "$(id -u)" -eq 0 ] && chown nobody:nogroup server.key server.crt
        rm -f ca.key server.csr san.ext
    )
    psql=(psql -q -h 127.0.0.1 -p "$port" -U ostrel_owner -d ostrel -v ON_ERROR_STOP=1)
    "${psql[@]}" -c "ALTER SYSTEM SET ssl_cert_file = '$state/server.crt'" \
        -c "ALTER SYSTEM SET ssl_key_file = '$state/server.key'" -c "ALTER SYSTEM SET ssl = on" \
        -c "SELECT pg_reload_conf()" >/dev/null
    # Up with TLS once a verified connection gets through.
    for _ in $(seq 50); do
        PGSSLROOTCERT="$state/root.crt" psql "host=localhost port=$port dbname=ostrel \
            user=tech_a sslmode=verify-full" -tAc "SELECT 1" >/dev/null 2>&1 \
            && { echo "$port" > "$state/port"; exit 0; }
        sleep 0.2
    done
    cat "$state/cluster/log" >&2
    exit 1 ;;
stop)
    [ -d "$3/cluster/data" ] && "$server" stop "$3/cluster" >/dev/null 2>&1
    exit 0 ;;
esac
exit 2
