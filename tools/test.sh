#!/usr/bin/env bash
# Sets up, builds both builds and runs every test.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh"
cd "$root/build"
ctest --output-on-failure -j "$(nproc)"
bash "$root/tools/sanitize.sh"
bash "$root/tools/fuzz.sh" --short
bash "$root/tools/e2e.sh"
