#!/usr/bin/env bash
# Builds the host library and tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs them; any report fails
# the run. The Windows programs are not built here: the package tests embed
# the player of the main build (build/windows/player/VYRrun.exe), or a
# stand-in file when that build is missing, since only one test compares it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-asan"
player="$root/build/windows/player/VYRrun.exe"
if [ ! -f "$player" ]; then
  mkdir -p "$build"
  player="$build/stand-in-player.exe"
  printf 'MZ stand-in player\n' >"$player"
fi
# Dividing by a zero font size or board height is a fault here too, though
# the floating-point result would be defined.
flags="-fsanitize=address,undefined,float-divide-by-zero -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVYR_WINDOWS_BUILD=OFF -DVYR_PLAYER_EXE="$player" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined,float-divide-by-zero" >/dev/null
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
