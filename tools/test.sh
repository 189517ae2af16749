#!/usr/bin/env bash
# Builds both architectures and runs every test under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup.sh"
"$root/tools/build.sh" i686
"$root/tools/build.sh" x86_64
cd "$root/build/x86_64"
ctest --output-on-failure -j "$(nproc)"
