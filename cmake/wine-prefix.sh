#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX with the loader named by NORVAK_WINE (see wine-env.sh):
# null graphics driver, the Chinese faces mapped to an installed CJK font, and whatever the build
# tree asks to be registered (wine-setup.d/*.sh). The prefix is made again when the Wine
# installation it was made with changes: a prefix made before wine32 was installed cannot load
# kernel32.dll afterwards.
set -euo pipefail
build_dir=$1
ready="$WINEPREFIX/.norvak-ready"
installation=$(dpkg-query -W -f='${db:Status-Abbrev}${Package}:${Architecture} ${Version}\n' 2>/dev/null \
    | grep -E '^ii +(lib)?wine' | sort || true)
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$ready" ] || [ "$(cat "$ready")" != "$installation" ]; then
    rm -rf "$WINEPREFIX"
    "$NORVAK_WINE" wineboot --init >/dev/null 2>&1
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
    "$NORVAK_WINE" regedit /S "Z:$reg" >/dev/null 2>&1
    wineserver -w
    rm -f "$reg"
    printf '%s' "$installation" >"$ready"
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
