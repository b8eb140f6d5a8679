#!/usr/bin/env bash
# Runs a Windows console test program under Wine in a prefix of its own
# inside the build folder (made once, reused afterwards).
set -eu
exe=$1; shift
build=$(cd "$(dirname "$exe")/../.." && pwd)
export WINEPREFIX="$build/wine-console"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
status=0
wine "$exe" "$@" || status=$?
wineserver -k 2>/dev/null || true
exit $status
