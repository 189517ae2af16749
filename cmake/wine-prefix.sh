#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX once: null graphics driver, the Chinese faces mapped
# to an installed CJK font, and whatever the build tree asks to be registered (setup.d/*.cmd).
set -euo pipefail
build_dir=$1
ready="$WINEPREFIX/.norvak-ready"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$ready" ]; then
    rm -rf "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    wineserver -w
    reg=$(mktemp --suffix=.reg)
    face="WenQuanYi Zen Hei"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="null"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for name in 宋体 新宋体 楷体 黑体 SimSun NSimSun KaiTi SimHei; do
            printf '"%s"="%s"\r\n' "$name" "$face"
        done
        printf '\r\n'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null || echo "Z:$reg")" >/dev/null 2>&1
    wineserver -w
    rm -f "$reg"
    touch "$ready"
fi
# Steps the build adds later (registering the control) run whenever their input is newer.
for step in "$build_dir"/wine-setup.d/*.sh; do
    [ -e "$step" ] || continue
    stamp="$WINEPREFIX/.done-$(basename "$step")"
    if [ ! -f "$stamp" ] || [ -n "$(find "$build_dir" -maxdepth 2 -newer "$stamp" -name '*.ocx' -print -quit)" ] \
        || [ "$step" -nt "$stamp" ]; then
        bash "$step" && touch "$stamp"
    fi
done
