#!/usr/bin/env bash
# Configures and builds one architecture with its tests: tools/build.sh x86_64|i686 [targets...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:-x86_64}
shift || true
build="$root/build/$arch"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
    -DNORVAK_TESTS=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "${NORVAK_JOBS:-$(nproc)}" ${1:+--target "$@"}
