#!/usr/bin/env bash
# Imports registry entries into the Wine prefix named by WINEPREFIX with the loader named by
# NORVAK_WINE (see wine-env.sh): standard input holds the keys and values as a .reg file's body,
# in UTF-8 and without the version line; regedit wants the file in UTF-16.
set -euo pipefail
reg=$(mktemp --suffix=.reg)
trap 'rm -f "$reg"' EXIT
{
    printf 'Windows Registry Editor Version 5.00\n\n'
    cat
    printf '\n'
} | sed 's/$/\r/' | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
"$NORVAK_WINE" regedit /S "Z:$reg" >/dev/null 2>&1
wineserver -w
