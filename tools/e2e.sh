#!/usr/bin/env bash
# Builds, then runs the end-to-end suite (tests/e2e): the real wizard and
# player under Wine, on a display of their own, driven through their windows.
#
#   tools/e2e.sh [--build DIR] [--refresh-docs] [NAME...]
#
# --build DIR     build folder to configure, build and test (default: build)
# --refresh-docs  copy the screenshots of this run into docs/
# NAME...         run only the cases whose function name contains a NAME
#                 (menu_entries needs wizard_typed, which leaves its package)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
refresh=0
names=()
while [ $# -gt 0 ]; do
  case $1 in
    --build) build=$2; shift 2 ;;
    --refresh-docs) refresh=1; shift ;;
    -*) echo "usage: tools/e2e.sh [--build DIR] [--refresh-docs] [NAME...]" >&2; exit 2 ;;
    *) names+=("$1"); shift ;;
  esac
done
mkdir -p "$build"
build=$(cd "$build" && pwd)

bash "$root/tools/setup.sh"
log=$build/e2e-build.log
if ! { cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build "$build" -j "$(nproc)"; } >"$log" 2>&1; then
  tail -n 40 "$log"
  echo "e2e: the build failed (log: $log)" >&2
  exit 1
fi

shots=$build/e2e-screenshots
rm -f "$shots"/*.png
status=0
E2E_SHOTS=$shots bash "$root/tests/e2e/suite.sh" "$build" ${names[@]+"${names[@]}"} || status=$?
if [ "$refresh" = 1 ]; then
  # a screenshot is written only once its window has come up and settled
  for shot in "$shots"/*.png; do
    [ -f "$shot" ] || continue
    cp "$shot" "$root/docs/"
    echo "e2e: docs/${shot##*/} refreshed"
  done
fi
exit "$status"
