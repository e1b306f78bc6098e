#!/usr/bin/env bash
# Compiles every main source for Windows with the MinGW compiler, syntax
# only, against Qt's headers, so a POSIX-only call that slips out of its
# guard is caught here rather than on a Windows machine. One line a file
# that fails; the exit code says whether any did.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cxx=x86_64-w64-mingw32-g++-posix
if ! command -v "$cxx" >/dev/null; then
  echo "check_windows_syntax: $cxx is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi
qt=$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || echo /usr/include/x86_64-linux-gnu/qt6)
# curl's headers only, not the rest of the POSIX system's include folder.
curl_dir=$(mktemp -d)
trap 'rm -rf "$curl_dir"' EXIT
for dir in /usr/include/x86_64-linux-gnu/curl /usr/include/curl; do
  [ -d "$dir" ] && { ln -s "$dir" "$curl_dir/curl"; break; }
done
flags=(-std=c++20 -fsyntax-only -I"$top" -I"$qt" -I"$curl_dir")
for module in QtCore QtGui QtWidgets QtSvg; do flags+=(-I"$qt/$module"); done
flags+=(-DQT_NO_KEYWORDS -DQT_NO_CONTEXTLESS_CONNECT -DQUENVEL_HELP_FILE='""')

check() {
  local out
  if ! out=$("$cxx" "${flags[@]}" "$1" 2>&1); then
    echo "Windows syntax check failed: $1: $(grep -m1 'error' <<<"$out")"
    return 1
  fi
}
export -f check
export cxx
export flags_text="${flags[*]}"
cd "$top"
git ls-files '*.cpp' ':!tests/*' ':!bench/*' ':!standin/*' \
  | xargs -P "$(nproc)" -I{} bash -c 'read -ra flags <<<"$flags_text"; check "$1"' _ {}
