#!/usr/bin/env bash
# Sets up this machine, builds both configurations and runs every test: the native tests against Mesa,
# then the Windows tests under Wine in a throwaway prefix and display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
bash tools/build.sh native
bash tools/build.sh windows

status=0
echo "== Native tests"
(cd build/native && ctest --output-on-failure -j "$(nproc)") || status=1

echo "== Windows tests under Wine"
source tools/wine-session.sh
wine_session_start
# The end-to-end tests on the session's display run alone (RUN_SERIAL); the test programs that share the
# display and the registry take turns (RESOURCE_LOCK); the rest, the two-monitor tests with a display of
# their own among them, runs side by side.
(cd build/windows && ctest --output-on-failure -j "$(nproc)") || status=1

exit $status
