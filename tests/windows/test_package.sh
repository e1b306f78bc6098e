#!/usr/bin/env bash
# The Windows package as a user gets it: unzipped into a clean folder, its
# Tovra.ini filled in, quenvel.exe started under Wine with nothing but what
# the package holds. The JDK and SDK are the Windows stand-ins of the tests
# (fake_jdk.exe as javac, jar, java and preverify): they compile nothing,
# but answer the build's command lines with exit codes, and with files where
# the build looks for them.
# Usage: test_package.sh ZIP FAKES_DIR (WINEPREFIX set; scripts/test_windows.sh calls it)
set -euo pipefail
zip=$(realpath "$1")
fakes=$(realpath "$2")
wine=/usr/lib/wine/wine64
unset WINEPATH
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "test_package: $*" >&2; exit 1; }
windows_path() { echo "Z:${1//\//\\}"; }

(cd "$work" && cmake -E tar xf "$zip")
app=$(echo "$work"/Quenvel-*-win64)
[ -x "$app/quenvel.exe" ] || fail "no quenvel.exe in $(basename "$zip")"

# The texts are Windows-31J with CR LF line ends.
for text in README.txt Tovra.ini; do
  iconv -f WINDOWS-31J -t UTF-8 "$app/$text" >/dev/null || fail "$text is not in Windows-31J"
  if LC_ALL=C grep -q $'[^\r]$' "$app/$text"; then fail "$text has a line without CR LF"; fi
done

help=$(timeout 60 "$wine" "$app/quenvel.exe" --help) || fail "quenvel.exe --help failed"
grep -q '^使い方: quenvel' <<<"$help" || fail "quenvel.exe --help printed: $help"
echo "test_package: quenvel.exe --help works from the package alone"

mkdir -p "$work/jdk/bin" "$work/sdk/bin" "$work/sdk/lib" "$work/sdk/apps/Hello/src" "$work/sdk/apps/Hello/res" \
         "$work/sdk/apps/Hello/bin"
for tool in jdk/bin/javac jdk/bin/jar jdk/bin/java sdk/bin/preverify; do
  cp "$fakes/fake_jdk.exe" "$work/$tool.exe"
done
: > "$work/sdk/lib/dojaapi.jar"
# The user's edit: the two folders written where the package's file shows them.
LC_ALL=C sed -i -e "s|^;JAVA_PATH=.*\r\$|JAVA_PATH=$(windows_path "$work/jdk" | sed 's/\\/\\\\/g')\r|" \
                -e "s|^;DOJA_PATH=.*\r\$|DOJA_PATH=$(windows_path "$work/sdk" | sed 's/\\/\\\\/g')\r|" "$app/Tovra.ini"
cp "$app/Tovra.ini" "$work/Tovra.ini.edited"

build() {
  printf '%s\r\n' "$1" > "$work/sdk/apps/Hello/src/Hello.java"
  set +e
  timeout 120 "$wine" "$app/quenvel.exe" --build Hello > "$work/log" 2> "$work/messages"
  code=$?
  set -e
}

build 'public class Hello extends com.nttdocomo.ui.IApplication { public void start() { } }'
[ "$code" -eq 0 ] || fail "the build exited $code: $(cat "$work/log" "$work/messages")"
grep -q 'コンパイルは正常に終了しました。' "$work/log" || fail "no success line: $(cat "$work/log")"
for product in Hello.jar Hello.jam Hello.htm; do
  [ -s "$work/sdk/apps/Hello/bin/$product" ] || fail "no bin\\$product after the build"
done
grep -q "^AppSize = $(stat -c %s "$work/sdk/apps/Hello/bin/Hello.jar")"$'\r$' "$work/sdk/apps/Hello/bin/Hello.jam" \
  || fail "Hello.jam does not give the archive's size"
# Opening the project stored it; the user's lines stay as they were.
cmp -s <(head -c "$(stat -c %s "$work/Tovra.ini.edited")" "$app/Tovra.ini") "$work/Tovra.ini.edited" \
  || fail "the lines of Tovra.ini changed"
grep -q $'^lastProject=Hello\r$' "$app/Tovra.ini" || fail "Tovra.ini does not name the project opened"
echo "test_package: a build from the package wrote Hello.jar, Hello.jam and Hello.htm"

build 'public class Other { }'
[ "$code" -eq 1 ] || fail "a build of a broken source exited $code"
grep -q 'src\\Hello.java:1: class Hello is not declared here' "$work/log" || fail "javac's words are not in the log: $(cat "$work/log")"
grep -q 'コンパイルは失敗しました。' "$work/log" || fail "no failure line: $(cat "$work/log")"
echo "test_package: a failed compile from the package exits 1 with the compiler's words"
