#!/usr/bin/env bash
# Builds the Debian packages into out/: quenvel_<version>_amd64.deb (the
# program, its help, menu entry, icon and AppStream metadata) and
# quenvel-standins_<version>_amd64.deb (the stand-in JDK and DoJa SDK).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$top/out/build.ninja" ] || "$top/scripts/build.sh"
cmake --build "$top/out" --parallel 2 --target quenvel standins
cd "$top/out"
rm -f quenvel_*.deb quenvel-standins_*.deb
cpack -G DEB >/dev/null
ls -l "$top"/out/quenvel*.deb
