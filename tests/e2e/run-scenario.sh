#!/usr/bin/env bash
# Runs one end-to-end scenario through real input:
#   tests/e2e/run-scenario.sh <x86_64|i686> <build dir> <scenario.sh>
# It starts an X server of its own, makes (once per build tree) the scenarios' Wine prefix, which
# draws on that display with Wine's x11 driver and has the control registered, and runs the
# scenario with the functions of harness.sh. The prefix is neither the tests' null-driver prefix
# nor the run command's; scenarios take turns in it (a lock), each with a fresh Wine server bound
# to its own display. Whatever the scenario started is ended when it ends, however it ends.
set -euo pipefail
arch=$1
build=$(cd "$2" && pwd)
scenario=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
name=$(basename "$scenario" .sh)

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing (tools/setup.sh installs it)" >&2; exit 1; }
done

. "$root/cmake/wine-env.sh" "$arch" "$build/wineprefix-e2e"
exec 8>"$WINEPREFIX.scenario.lock"
flock 8

E2E_OUT="$build/e2e/$name"
rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT/work"

# The X server, on the first free display it finds itself.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$E2E_OUT/display" 2>"$E2E_OUT/xvfb.log" &
xvfb=$!
for _ in $(seq 1 100); do
    [ -s "$E2E_OUT/display" ] && break
    sleep 0.1
done
[ -s "$E2E_OUT/display" ] || { echo "e2e: Xvfb did not start" >&2; cat "$E2E_OUT/xvfb.log" >&2; kill "$xvfb"; exit 1; }
export DISPLAY=":$(head -n1 "$E2E_OUT/display")"

finish() {
    wineserver -k 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
}
trap finish EXIT

# A server left by an earlier scenario would still draw on that scenario's display.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
"$root/cmake/wine-prefix.sh" "$build/e2e"
ready="$WINEPREFIX/.e2e-ready"
if [ ! -f "$ready" ] || [ "$build/bin/Norvak.ocx" -nt "$ready" ]; then
    "$NORVAK_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
    "$NORVAK_WINE" regsvr32 /s "Z:$build/bin/Norvak.ocx"
    touch "$ready"
fi

export E2E_ROOT=$root E2E_BUILD=$build E2E_OUT
. "$root/tests/e2e/harness.sh"
. "$scenario"
echo "e2e $name: passed"
