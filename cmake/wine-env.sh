# Sourced by the test runner and the run command: the Wine environment of one build tree.
#   . cmake/wine-env.sh <x86_64|i686> <prefix>
# Each architecture names its loader explicitly: once Debian's wine32 is installed, plain "wine"
# is the 32-bit loader, which cannot start the 64-bit programs. Debian keeps both loaders in
# /usr/lib/wine; WINELOADER makes Wine start its own processes with the same one.
norvak_arch=$1
export WINEPREFIX=$2
case "$norvak_arch" in
    x86_64) export WINEARCH=win64 NORVAK_WINE=/usr/lib/wine/wine64 ;;
    i686) export WINEARCH=win32 NORVAK_WINE=/usr/lib/wine/wine ;;
    *) echo "wine-env.sh: unknown architecture '$norvak_arch'" >&2; return 1 ;;
esac
export WINELOADER=$NORVAK_WINE
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
