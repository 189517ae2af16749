#!/usr/bin/env bash
# Runs the program: builds the 64-bit control and the host program CQuilm, registers the control
# in a Wine prefix of its own that draws on X11 and starts CQuilm, whose first document window
# holds the control. Arguments go to CQuilm (a workbook to open).
#
# On a display the program is the user's: the command returns when it ends. With no display it
# runs under Xvfb inside Wine's virtual desktop (which draws the frames, a maximised one too), and
# the command saves a screenshot to build/norvak-screenshot.png once the picture has settled, then
# ends the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
shot="$root/build/norvak-screenshot.png"
if [ -z "${NORVAK_RUN_INNER:-}" ]; then
    "$root/tools/setup.sh"
    "$root/tools/build.sh" x86_64 Norvak CQuilm
    if [ -z "${DISPLAY:-}" ]; then
        exec env NORVAK_RUN_INNER=headless xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
fi

. "$root/cmake/wine-env.sh" x86_64 "$build/wineprefix-run"
# Made as the test prefix is (Wine's own fonts, the code page), then drawing on the X display with
# the Chinese faces in outline fonts that read cleanly at their 12-pixel default (the tests keep
# their one stand-in font, which their pictures are measured with).
"$root/cmake/wine-prefix.sh" "$build/run-setup"
{
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\n"Graphics"="x11"\n\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\n'
    for name in 宋体 新宋体 SimSun NSimSun; do printf '"%s"="AR PL UMing CN"\n' "$name"; done
    for name in 楷体 KaiTi; do printf '"%s"="AR PL UKai CN"\n' "$name"; done
    for name in 黑体 SimHei; do printf '"%s"="WenQuanYi Micro Hei"\n' "$name"; done
} | "$root/cmake/wine-reg.sh"
"$NORVAK_WINE" regsvr32 /s "Z:$build/bin/Norvak.ocx"

program="$build/bin/CQuilm.exe"
# A workbook named by its Linux path is given to the program by its path on Wine's drive Z:.
args=()
for arg in "$@"; do
    if [ -e "$arg" ]; then args+=("Z:$(realpath "$arg")"); else args+=("$arg"); fi
done
set -- ${args[@]+"${args[@]}"}
if [ "${NORVAK_RUN_INNER:-}" != headless ]; then
    exec "$NORVAK_WINE" "$program" "$@"
fi

"$NORVAK_WINE" explorer /desktop=CQuilm,1024x768 "$program" "$@" &
desktop=$!
# The picture has settled when two screenshots a second apart are the same; a minute at most.
previous=$(mktemp --suffix=.png)
trap 'rm -f "$previous"' EXIT
sleep 3
for _ in $(seq 60); do
    sleep 1
    import -window root "$shot"
    if [ -s "$previous" ] && [ "$(compare -metric AE "$shot" "$previous" null: 2>&1 || true)" = 0 ]; then
        break
    fi
    cp "$shot" "$previous"
done
# The program has no timed exit of its own: end it and the prefix's server, both started here.
kill "$desktop" 2>/dev/null || true
wineserver -k || true
wait "$desktop" 2>/dev/null || true
echo "screenshot: $shot"
