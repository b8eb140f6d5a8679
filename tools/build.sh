#!/usr/bin/env bash
# Configures and builds the host build in build/, which also cross-builds the
# Windows programs in build/windows/.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j "$(nproc)"
