#!/usr/bin/env bash
# Configures and builds into out/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$top" -B "$top/out" -G Ninja "${launcher[@]}" >/dev/null
cmake --build "$top/out" --parallel "$(nproc)"
