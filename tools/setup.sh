#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only where something is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sudo=""
[ "$(id -u)" = 0 ] || sudo=sudo
# fonts-wine brings the Marlett the prefixes copy; the Song, Kai and Hei outline fonts are the run
# command's faces (the tests use fonts-wqy-zenhei alone). xdotool types and clicks in the
# end-to-end scenarios.
packages=(cmake make g++ mingw-w64 mingw-w64-tools wine64 libwine-dev fonts-wine fonts-wqy-zenhei googletest
          locales xvfb imagemagick xdotool fonts-arphic-uming fonts-arphic-ukai fonts-wqy-microhei)
# Wine's 32-bit loader runs the i686 tests; it is a 32-bit Linux program, which some virtual
# machines cannot execute. There the i686 build is compiled but its tests are not run.
if "$root/tools/can-run-32bit.sh"; then
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    packages+=(wine32:i386)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Wine takes its ANSI code page (936) from the zh_CN.UTF-8 locale, which must exist.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    $sudo sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
