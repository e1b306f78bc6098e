#!/usr/bin/env bash
# Cross-builds quenvel.exe, every test program and the package for 64-bit
# Windows into out-win/build, with Debian's MinGW-w64 and the Qt and libcurl
# DLLs of ../shared/windows/ (beside this repository), unpacked once into
# out-win/qt6-mingw.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
archive=$top/../shared/windows/mingw64-qt6.4.2-curl7.88.1.tar.xz
out=$top/out-win
if [ ! -f "$archive" ]; then
  echo "build_windows: $archive is missing (shared/ belongs beside the repository)" >&2
  exit 1
fi
# Unpacked again only when the archive is newer than what was unpacked.
stamp=$out/qt6-mingw/.unpacked
if [ ! -f "$stamp" ] || [ "$archive" -nt "$stamp" ]; then
  rm -rf "$out/qt6-mingw"
  mkdir -p "$out"
  tar -xJf "$archive" -C "$out"
  touch "$stamp"
fi
# The toolchain holds no translations. Debian's of the same Qt version serves
# (a .qm file is the same on every platform): the Windows Qt then finds it
# where it looks, and the package takes it from there.
translation=/usr/share/qt6/translations/qtbase_ja.qm
if [ -f "$translation" ]; then
  mkdir -p "$out/qt6-mingw/translations"
  cp -u "$translation" "$out/qt6-mingw/translations/"
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths below the tree count relative to it, so another checkout hits the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$top}"
cmake -S "$top" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$out/qt6-mingw/lib/cmake/Qt6/qt.toolchain.cmake" "${launcher[@]}" >/dev/null
cmake --build "$out/build" --parallel "$(nproc)"
