#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, only where something is missing.
set -euo pipefail
packages=(cmake make g++ mingw-w64 mingw-w64-tools wine64 libwine-dev fonts-wqy-zenhei googletest
          locales xvfb imagemagick)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# Wine takes its ANSI code page (936) from the zh_CN.UTF-8 locale, which must exist.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
    sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    $sudo sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
