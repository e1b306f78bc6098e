#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# The stand-in tools run cold, so no warm compile service outlives the run;
# the service's own tests turn it on in a folder of their own.
export QUENVEL_STANDIN_SERVICE=off
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
cd "$top/out"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)"
# The Debian packages, made from that tree and tried as a user gets them.
"$top/scripts/package_linux.sh"
"$top/tests/linux/test_deb.sh" "$top/out"
# Then the same tree built for Windows and tested under Wine.
"$top/scripts/test_windows.sh"
