#!/usr/bin/env bash
# The Windows leg: builds for Windows and runs every Windows test program
# under Wine, in a scratch prefix set up as a Japanese system. Called by
# scripts/test.sh after the Linux tests; any failure fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build_windows.sh"
build=$top/out-win/build

# Scratch files, the prefix among them, stay in the build tree, beside the
# programs they serve, and go when the leg ends.
export TMPDIR=$top/out-win/tmp WINEPREFIX
mkdir -p "$TMPDIR"
WINEPREFIX=$(mktemp -d "$TMPDIR/wine.XXXXXX")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=ja_JP.UTF-8
end_wine() {
  # Every Windows process still running in the prefix ends with its server.
  /usr/lib/wine/wineserver -k 2>/dev/null || true
  rm -rf "$TMPDIR"
}
trap end_wine EXIT
timeout 300 /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1

cd "$build"
# Written afresh by the code page oracle test and the QR code test.
rm -f "$build/code_page_932_windows.txt" "$build/qr_code_windows.png"
ctest --output-on-failure --timeout 300 -j "$(nproc)"

# The QR code the Windows build drew, read back by a real reader.
address=$(zbarimg --quiet --raw "$build/qr_code_windows.png") || { echo "test_windows: no QR code could be read from the Windows build's picture" >&2; exit 1; }
if [ "$address" != "http://www.example.net/i/Hello.htm" ]; then
  echo "test_windows: the Windows build's QR code reads $address" >&2
  exit 1
fi
echo "test_windows: the Windows build's QR code reads back as the address"

# The package, unzipped and used as a Windows user would.
"$top/tests/windows/test_package.sh" "$(echo "$build"/Quenvel-*-win64.zip)" "$build/fakes"

# Windows' own code page 932, as the oracle test wrote it out, against the
# Linux build's: every byte, pair and character must convert alike.
[ -f "$top/out/build.ninja" ] || "$top/scripts/build.sh"
cmake --build "$top/out" --target code_page_table >/dev/null
"$top/out/tests/code_page_table" > "$top/out-win/code_page_932_linux.txt"
if ! diff -u "$build/code_page_932_windows.txt" "$top/out-win/code_page_932_linux.txt" > "$top/out-win/code_page_932.diff"; then
  echo "test_windows: the Linux build converts code page 932 otherwise than Windows:" >&2
  head -40 "$top/out-win/code_page_932.diff" >&2
  exit 1
fi
echo "test_windows: code page 932 alike on Windows and Linux ($(wc -l < "$build/code_page_932_windows.txt") bytes, pairs and characters)"
