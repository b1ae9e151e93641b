#!/usr/bin/env bash
# Configures and builds one configuration: "native" (the host compiler, the core and its tests against Mesa)
# or "windows" (MinGW-w64: Plumora.scr and the Windows-side tests). A second run rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

config=${1:?usage: tools/build.sh native|windows}
case "$config" in
  native) args=() ;;
  windows) args=(-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake) ;;
  *) echo "unknown configuration: $config" >&2; exit 2 ;;
esac

[ -f "build/$config/CMakeCache.txt" ] || cmake -S . -B "build/$config" "${args[@]}" >/dev/null
cmake --build "build/$config" -j "$(nproc)"
