#!/usr/bin/env bash
# Sets up, builds and starts Quenvel on the stand-in JDK and DoJa SDK.
# Any arguments go to the program (for example --build Hello).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
standin="$top/out/standin"
ini="$top/out/Tovra.ini"
if [ ! -e "$ini" ]; then
  # A first settings file that points at the stand-ins; the program keeps
  # every other line it finds there.
  printf '[Global]\r\nJAVA_PATH=%s\r\nDOJA_PATH=%s\r\n' "$standin/jdk" "$standin/doja" > "$ini"
  chmod 600 "$ini"
fi
exec "$top/out/quenvel" "$@"
