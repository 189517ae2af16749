#!/usr/bin/env bash
# Creates the Wine prefix named by WINEPREFIX with the loader named by NORVAK_WINE (see wine-env.sh):
# null graphics driver, Wine's Marlett for the caption buttons, the Chinese faces mapped to an
# installed CJK font, and whatever the build tree asks to be registered (wine-setup.d/*.sh). The
# prefix is made again when the Wine installation it was made with changes (a prefix made before
# wine32 was installed cannot load kernel32.dll afterwards) or when this recipe does.
set -euo pipefail
build_dir=$1
here=$(cd "$(dirname "$0")" && pwd)
ready="$WINEPREFIX/.norvak-ready"
installation=$(dpkg-query -W -f='${db:Status-Abbrev}${Package}:${Architecture} ${Version}\n' 2>/dev/null \
    | grep -E '^ii +(lib)?wine' | sort || true)
installation+=$'\n'$(cat "$here/wine-prefix.sh" "$here/wine-reg.sh" | sha1sum | cut -c1-16)
exec 9>"$WINEPREFIX.lock"
flock 9
if [ ! -f "$ready" ] || [ "$(cat "$ready")" != "$installation" ]; then
    rm -rf "$WINEPREFIX"
    "$NORVAK_WINE" wineboot --init >/dev/null 2>&1
    wineserver -w
    # This Wine looks for its own fonts beside its data folder, where the package does not put
    # them; without Marlett the caption buttons show the letters that stand for their glyphs.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    face="WenQuanYi Zen Hei"
    {
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="null"\n\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
        for name in 宋体 新宋体 楷体 黑体 SimSun NSimSun KaiTi SimHei; do
            printf '"%s"="%s"\n' "$name" "$face"
        done
    } | "$here/wine-reg.sh"
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
