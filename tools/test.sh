#!/usr/bin/env bash
# Builds both architectures and runs every test of each under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" i686
"$root/tools/build.sh" x86_64
status=0
summary=()
for arch in x86_64 i686; do
    if [ "$arch" = i686 ] && ! "$root/tools/can-run-32bit.sh"; then
        echo "i686: built; its tests were NOT run: this machine cannot execute 32-bit programs," \
             "which Wine's 32-bit loader is" >&2
        summary+=("i686: built, tests not run (no 32-bit execution here)")
        continue
    fi
    echo "== $arch tests"
    log="$root/build/$arch/ctest-summary.log"
    if (cd "$root/build/$arch" && ctest --output-on-failure -j "$(nproc)" | tee "$log"); then
        summary+=("$arch: $(grep -E 'tests passed' "$log" | tail -1)")
    else
        status=1
        summary+=("$arch: $(grep -E 'tests passed|tests failed' "$log" | tail -1)")
    fi
done
echo "== summary"
printf '%s\n' "${summary[@]}"
exit $status
