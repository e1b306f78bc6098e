#!/usr/bin/env bash
# The Windows leg: builds for Windows and runs every Windows test program
# under Wine, in a scratch prefix set up as a Japanese system. Called by
# scripts/test.sh after the Linux tests; any failure fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build_windows.sh"
build=$top/out-win/build

export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/quenvel-wine.XXXXXX)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ja_JP.UTF-8
end_wine() {
  # Every Windows process still running in the prefix ends with its server.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap end_wine EXIT
timeout 300 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1

cd "$build"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
