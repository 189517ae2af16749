#!/usr/bin/env bash
# Builds the 64-bit control and the host program CQuilm, registers the control in a Wine prefix
# that draws on X11 and starts CQuilm, whose first document window holds the control; saves a
# screenshot to build/norvak-screenshot.png and closes the program. Runs under Xvfb when there is
# no display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
if [ -z "${NORVAK_RUN_INNER:-}" ]; then
    "$root/tools/setup.sh"
    "$root/tools/build.sh" x86_64 Norvak CQuilm
    if [ -z "${DISPLAY:-}" ]; then
        exec env NORVAK_RUN_INNER=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
fi

. "$root/cmake/wine-env.sh" x86_64 "$build/wineprefix-run"
# Same fonts and code page as the test prefix, but drawing on the X display.
"$root/cmake/wine-prefix.sh" "$build/run-setup"
"$NORVAK_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
"$NORVAK_WINE" regsvr32 /s "Z:$build/bin/Norvak.ocx"

"$NORVAK_WINE" "$build/bin/CQuilm.exe" &
host=$!
sleep 10
import -window root "$root/build/norvak-screenshot.png"
# The program has no timed exit of its own: end it and the prefix's server, both started here.
kill "$host" 2>/dev/null || true
wineserver -k || true
wait "$host" 2>/dev/null || true
echo "screenshot: $root/build/norvak-screenshot.png"
