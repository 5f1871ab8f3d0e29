#!/bin/sh
# The simulated unit on TCP for the link's end-to-end test: a host command, so that a Windows
# build running its tests under Wine reaches the Linux simulator.
#   tcpsim.sh start SIMULATOR HOST:PORT STATE-DIR   |   tcpsim.sh stop STATE-DIR
set -e
case "$1" in
start)
    mkdir -p "$4"
    "$2" --fast --tcp "$3" > "$4/address" 2> "$4/sim.log" < /dev/null &
    echo $! > "$4/pid"
    # Up once it has printed its address.
    for _ in $(seq 100); do
        [ -s "$4/address" ] && exit 0
        kill -0 "$(cat "$4/pid")" 2>/dev/null || break
        sleep 0.1
    done
    cat "$4/sim.log" >&2
    exit 1 ;;
stop)
    [ -f "$2/pid" ] && kill "$(cat "$2/pid")" 2>/dev/null
    rm -f "$2/pid"
    exit 0 ;;
esac
exit 2
