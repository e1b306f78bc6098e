#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6 libgl-dev qt6-translations-l10n
  libcurl4-openssl-dev libqrencode-dev zbar-tools
  g++-mingw-w64-x86-64-posix wine64 locales
  default-jdk-headless default-jre ecj proguard-cli
  python3 python3-pyftpdlib curl
  xvfb xauth fonts-ipafont-gothic
  dpkg-dev file desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ "$(id -u)" -eq 0 ] && sudo= || sudo=sudo
if [ ${#missing[@]} -gt 0 ]; then
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# The Windows tests run under Wine as on a Japanese system, which Wine takes
# from the locale.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  $sudo localedef -i ja_JP -c -f UTF-8 ja_JP.UTF-8
fi
