#!/bin/sh
# CTest's emulator for the Windows build: runs the program under Wine. Under Wine a QtTest
# program's log never reaches a pipe, so it writes the log to a file that is shown afterwards.
program="$1"
shift
case "$(basename "$program")" in
tst_*)
    log="$(mktemp "${TMPDIR:-/tmp}/ostrel-test.XXXXXX")"
    wine "$program" "$@" -o "$log,txt"
    status=$?
    cat "$log"
    rm -f "$log"
    exit $status ;;
*)
    exec wine "$program" "$@" ;;
esac
