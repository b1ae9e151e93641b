#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest. The test scripts prepare WINEPREFIX (a throwaway
# prefix) and a display; this only makes Wine quiet and keeps a hung program from stalling the run.
# A failing exit code is said after the program's output, so that a failure after the last passed case
# tells how the process ended: 124 timed out, 128 + n a signal, 0xC000xxxx (its low byte here) a Windows
# exception, 1 a failed case.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
status=0
timeout --kill-after=10 "${WINE_TEST_TIMEOUT:-300}" wine "$@" || status=$?
[ "$status" = 0 ] || echo "$(basename "$1") ended with exit code $status" >&2
exit "$status"
