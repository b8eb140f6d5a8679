#!/usr/bin/env bash
# Sets up, builds and starts the menu wizard under Wine, in a Wine prefix of
# its own (build/wizard-wine) whose Chinese font faces map onto an installed
# font. The wizard's default output folder is VYRrunCD beside it, in
# build/windows/wizard/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh"
wizard="$root/build/windows/wizard/VYRwizard.exe"
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: the wizard is a Windows desktop program and needs an X display (DISPLAY is not set)." >&2
  echo "It is built at $wizard." >&2
  exit 1
fi
source "$root/tools/wine/harness.sh"
export WINEPREFIX="$root/build/wizard-wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LANG=C.UTF-8
unset LC_ALL
if [ ! -f "$WINEPREFIX/.fonts-mapped" ]; then
  echo "Making a Wine prefix in $WINEPREFIX (once) ..."
  wine wineboot -i >/dev/null 2>&1
  wine_harness_map_fonts "$root/build"
  wineserver -w
  touch "$WINEPREFIX/.fonts-mapped"
fi
cd "$(dirname "$wizard")"
exec wine "$wizard"
