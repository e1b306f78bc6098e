#!/usr/bin/env bash
# The Windows package as a user gets it: unzipped into a clean folder, its
# example copied to Tovra.ini and filled in, quenvel-cli.exe started under
# Wine with nothing but what the package holds, and the zip unzipped again
# over the folder. The JDK and SDK are the Windows stand-ins of the tests
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
[ -x "$app/quenvel-cli.exe" ] || fail "no quenvel-cli.exe in $(basename "$zip")"
[ -f "$app/libqrencode.dll" ] || fail "no libqrencode.dll in $(basename "$zip")"
[ ! -e "$app/Tovra.ini" ] || fail "the zip holds a Tovra.ini, which would replace the user's"

# The texts are Windows-31J with CR LF line ends.
for text in README.txt Tovra.ini.example; do
  iconv -f WINDOWS-31J -t UTF-8 "$app/$text" >/dev/null || fail "$text is not in Windows-31J"
  if LC_ALL=C grep -q $'[^\r]$' "$app/$text"; then fail "$text has a line without CR LF"; fi
done

# The window's program never has a console; the console program has one.
objdump=x86_64-w64-mingw32-objdump
grep -q 'Subsystem.*Windows GUI' <<<"$("$objdump" -p "$app/quenvel.exe")" || fail "quenvel.exe is not a GUI program"
grep -q 'Subsystem.*Windows CUI' <<<"$("$objdump" -p "$app/quenvel-cli.exe")" || fail "quenvel-cli.exe is not a console program"
version=$(LC_ALL=C sed -n 's/^Quenvel \([0-9.]*\) .*/\1/p' "$app/README.txt" | head -1)
for exe in quenvel.exe quenvel-cli.exe; do
  grep -qx "$version" <<<"$(strings -el "$app/$exe")" || fail "$exe has no version information $version"
  grep -q 'PerMonitorV2' <<<"$(strings "$app/$exe")" || fail "$exe has no manifest"
done

# Redirected, the console program writes Windows-31J.
timeout 60 "$wine" "$app/quenvel-cli.exe" --help > "$work/help" || fail "quenvel-cli.exe --help failed"
help=$(iconv -f WINDOWS-31J -t UTF-8 "$work/help") || fail "quenvel-cli.exe --help did not print Windows-31J"
grep -q '^使い方: quenvel-cli' <<<"$help" || fail "quenvel-cli.exe --help printed: $help"
if grep -q 'SIG' <<<"$help"; then fail "the Windows usage names POSIX signals"; fi
timeout 60 "$wine" "$app/quenvel-cli.exe" '/?' > "$work/help2" || fail "quenvel-cli.exe /? failed"
cmp -s "$work/help" "$work/help2" || fail "quenvel-cli.exe /? does not show the usage"
set +e
timeout 60 "$wine" "$app/quenvel.exe" --build Hello > "$work/gui.out" 2> "$work/gui.err"
code=$?
set -e
[ "$code" -eq 2 ] || fail "quenvel.exe --build exited $code"
iconv -f WINDOWS-31J -t UTF-8 "$work/gui.err" | grep -q 'quenvel-cli.exe' || fail "quenvel.exe --build does not point to quenvel-cli.exe"
echo "test_package: quenvel.exe is a GUI program; quenvel-cli.exe serves the actions in Windows-31J"

mkdir -p "$work/jdk/bin" "$work/sdk/bin" "$work/sdk/lib" "$work/sdk/apps/Hello/src" "$work/sdk/apps/Hello/res" \
         "$work/sdk/apps/Hello/bin"
for tool in jdk/bin/javac jdk/bin/jar jdk/bin/java sdk/bin/preverify; do
  cp "$fakes/fake_jdk.exe" "$work/$tool.exe"
done
: > "$work/sdk/lib/dojaapi.jar"
# The user's edit: the example copied, the two folders written where it shows them.
cp "$app/Tovra.ini.example" "$app/Tovra.ini"
LC_ALL=C sed -i -e "s|^;JAVA_PATH=.*\r\$|JAVA_PATH=$(windows_path "$work/jdk" | sed 's/\\/\\\\/g')\r|" \
                -e "s|^;DOJA_PATH=.*\r\$|DOJA_PATH=$(windows_path "$work/sdk" | sed 's/\\/\\\\/g')\r|" "$app/Tovra.ini"
cp "$app/Tovra.ini" "$work/Tovra.ini.edited"

build() {
  printf '%s\r\n' "$1" > "$work/sdk/apps/Hello/src/Hello.java"
  set +e
  timeout 120 "$wine" "$app/quenvel-cli.exe" --build Hello > "$work/log.raw" 2> "$work/messages.raw"
  code=$?
  iconv -f WINDOWS-31J -t UTF-8 "$work/log.raw" > "$work/log"
  iconv -f WINDOWS-31J -t UTF-8 "$work/messages.raw" > "$work/messages"
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

# A new version unzipped over the old folder leaves the user's settings alone.
cp "$app/Tovra.ini" "$work/Tovra.ini.used"
(cd "$work" && cmake -E tar xf "$zip")
cmp -s "$app/Tovra.ini" "$work/Tovra.ini.used" || fail "unzipping the package again changed Tovra.ini"
echo "test_package: unzipped over the old folder, the user's Tovra.ini stays as it was"
echo "test_package: $(basename "$zip") $(stat -c %s "$zip") bytes"
