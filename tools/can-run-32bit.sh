#!/usr/bin/env bash
# Exits 0 when this machine can execute 32-bit x86 Linux programs, which Wine's 32-bit loader is.
# Some virtual machines refuse them ("Exec format error"); the 32-bit tests cannot run there.
set -u
probe=$(mktemp)
trap 'rm -f "$probe"' EXIT
# A 91-byte static ELF32 program: xor ebx,ebx; xor eax,eax; inc eax; int 0x80 (exit 0).
{
    printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'
    printf '\002\000\003\000\001\000\000\000\124\200\004\010\064\000\000\000'
    printf '\000\000\000\000\000\000\000\000\064\000\040\000\001\000\000\000\000\000\000\000'
    printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'
    printf '\133\000\000\000\133\000\000\000\005\000\000\000\000\020\000\000'
    printf '\061\333\061\300\100\315\200'
} >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
