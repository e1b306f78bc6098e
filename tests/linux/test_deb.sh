#!/usr/bin/env bash
# The Debian packages as a user gets them: unpacked into a scratch root,
# their declared needs and menu entry checked, /usr/bin/quenvel asked for
# its usage and made to build the stand-in SDK's sample project.
# Usage: test_deb.sh OUT (the build tree that scripts/package_linux.sh filled)
set -euo pipefail
out=$(realpath "$1")
fail() { echo "test_deb: $*" >&2; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/CMakeCache.txt")
program=$out/quenvel_${version}_amd64.deb
standins=$out/quenvel-standins_${version}_amd64.deb
[ -f "$program" ] || fail "no $(basename "$program")"
[ -f "$standins" ] || fail "no $(basename "$standins")"

depends=$(dpkg-deb -f "$program" Depends)
for need in libqt6widgets6 libqt6svg6 libcurl qt6-qpa-plugins; do
  grep -q "$need" <<<"$depends" || fail "$(basename "$program") does not depend on $need: $depends"
done
grep -q 'default-jdk-headless' <<<"$(dpkg-deb -f "$standins" Depends)" || fail "the stand-ins do not depend on a JDK"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$program" "$root"
dpkg-deb -x "$standins" "$root"
for file in usr/bin/quenvel usr/lib/quenvel/quenvel usr/share/applications/quenvel.desktop \
            usr/share/icons/hicolor/scalable/apps/quenvel.svg usr/share/metainfo/quenvel.metainfo.xml \
            usr/share/doc/quenvel/help/index.html; do
  [ -e "$root/$file" ] || fail "/$file is not in the packages"
done
desktop-file-validate "$root/usr/share/applications/quenvel.desktop" || fail "the menu entry is not valid"

help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/quenvel" --help) || fail "quenvel --help failed"
grep -q '^使い方: quenvel' <<<"$help" || fail "quenvel --help printed: $help"
echo "test_deb: /usr/bin/quenvel --help works from the package"

# Settings beside the program, as the program reads them.
lib=$root/usr/lib/quenvel
printf '[Global]\r\nJAVA_PATH=%s\r\nDOJA_PATH=%s\r\n' "$lib/standin/jdk" "$lib/standin/doja" > "$lib/Tovra.ini"
set +e
log=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/quenvel" --build Sample 2>&1)
code=$?
set -e
[ "$code" -eq 0 ] || fail "the headless build exited $code: $log"
grep -q 'コンパイルは正常に終了しました。' <<<"$log" || fail "no success line: $log"
for product in Sample.jar Sample.jam Sample.htm; do
  [ -s "$lib/standin/doja/apps/Sample/bin/$product" ] || fail "no bin/$product after the build"
done
# Nothing of the build tree is needed any more.
if grep -rq "$out" "$lib/standin/jdk/bin" "$lib/standin/doja/bin"; then fail "a stand-in script names the build tree"; fi
echo "test_deb: the packaged program built the sample project with the packaged stand-ins"
echo "test_deb: $(basename "$program") $(stat -c %s "$program") bytes, $(basename "$standins") $(stat -c %s "$standins") bytes"
