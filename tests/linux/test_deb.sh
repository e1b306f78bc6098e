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

lib=$root/usr/lib/quenvel
# A user who may not write the program's folder keeps Tovra.ini in their own
# configuration folder, and builds in a DoJa SDK folder of their own.
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$root"
  home=$(mktemp -d)
  trap 'rm -rf "$root" "$home"' EXIT
  cp -r "$lib/standin/doja" "$home/doja"
  mkdir -p "$home/.config/Quenvel"
  printf '[Global]\r\nJAVA_PATH=%s\r\nDOJA_PATH=%s\r\n' "$lib/standin/jdk" "$home/doja" > "$home/.config/Quenvel/Tovra.ini"
  chown -R nobody: "$home"
  set +e
  log=$(cd / && runuser -u nobody -- env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME HOME="$home" \
        "$root/usr/bin/quenvel" --build Sample 2>&1)
  code=$?
  set -e
  [ "$code" -eq 0 ] || fail "a user's headless build exited $code: $log"
  grep -q '^lastProject=Sample' "$home/.config/Quenvel/Tovra.ini" || fail "the user's Tovra.ini was not the one written"
  [ ! -e "$lib/Tovra.ini" ] || fail "a user's build wrote $lib/Tovra.ini"
  [ -s "$home/doja/apps/Sample/bin/Sample.jar" ] || fail "no Sample.jar after a user's build"
  echo "test_deb: a user without write access to the program's folder builds with ~/.config/Quenvel/Tovra.ini"
else
  echo "test_deb: not run as root: no other user to try the program as"
fi

# Settings beside the program, as the program reads them where it may write.
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
