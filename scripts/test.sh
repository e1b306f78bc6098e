#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
cd "$top/out"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j "$(nproc)"
# The Debian packages, made from that tree and tried as a user gets them.
"$top/scripts/package_linux.sh"
"$top/tests/linux/test_deb.sh" "$top/out"
# Then the same tree built for Windows and tested under Wine.
"$top/scripts/test_windows.sh"
