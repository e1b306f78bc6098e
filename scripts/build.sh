#!/usr/bin/env bash
# Configures and builds into out/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths below the tree count relative to it, so another checkout hits the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$top}"
cmake -S "$top" -B "$top/out" -G Ninja "${launcher[@]}" >/dev/null
cmake --build "$top/out" --parallel "$(nproc)"
