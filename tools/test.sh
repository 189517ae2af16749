#!/usr/bin/env bash
# Builds both architectures and runs every test of each under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" i686
"$root/tools/build.sh" x86_64
status=0
for arch in x86_64 i686; do
    if [ "$arch" = i686 ] && ! "$root/tools/can-run-32bit.sh"; then
        echo "i686: built; its tests were NOT run: this machine cannot execute 32-bit programs," \
             "which Wine's 32-bit loader is" >&2
        continue
    fi
    echo "== $arch tests"
    (cd "$root/build/$arch" && ctest --output-on-failure -j "$(nproc)") || status=1
done
exit $status
