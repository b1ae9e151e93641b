#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest. The test scripts prepare WINEPREFIX (a throwaway
# prefix) and a display; this only makes Wine quiet and keeps a hung program from stalling the run.
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec timeout --kill-after=10 "${WINE_TEST_TIMEOUT:-300}" wine "$@"
