#!/usr/bin/env bash
# Sets up this machine, builds Plumora.scr and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
bash tools/build.sh windows

echo "There is nothing to run yet: Plumora.scr is not built until the program shell exists."
echo "The settings, looks, path and colour core is built and tested by: bash tools/run-tests.sh"
