#!/usr/bin/env bash
# Sets up, builds and starts the menu wizard under Wine.
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
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$wizard"
