#!/usr/bin/env bash
# Sets up, builds and starts Quenvel on the stand-in JDK and DoJa SDK.
# Any arguments go to the program (for example --build Hello).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# Without a screen the window cannot open: said now, not after the build.
# The program says the same line itself.
asks_action=no
for argument in "$@"; do
  case $argument in --*|/\?|-platform) asks_action=yes ;; esac
done
if [ $asks_action = no ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "画面がない(DISPLAYもWAYLAND_DISPLAYもない)ため、ウィンドウを開けません。ウィンドウなしで使うには --build、--run、--upload のどれかを指定してください(使い方は --help で表示します)。" >&2
  exit 1
fi
"$top/scripts/setup.sh"
# Only the program and the stand-ins; scripts/test.sh builds the rest.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths below the tree count relative to it, so another checkout hits the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$top}"
cmake -S "$top" -B "$top/out" -G Ninja "${launcher[@]}" >/dev/null
cmake --build "$top/out" --parallel "$(nproc)" --target quenvel standins
standin="$top/out/standin"
ini="$top/out/Tovra.ini"
if [ ! -e "$ini" ]; then
  # A first settings file that points at the stand-ins; the program keeps
  # every other line it finds there.
  printf '[Global]\r\nJAVA_PATH=%s\r\nDOJA_PATH=%s\r\n' "$standin/jdk" "$standin/doja" > "$ini"
  chmod 600 "$ini"
fi
exec "$top/out/quenvel" "$@"
