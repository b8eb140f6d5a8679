#!/usr/bin/env bash
# Measures what a disc menu must be and prints each figure beside its target:
# the sizes of the player and of the wizard that embeds it, the player's
# start-up under Wine against an empty window built with the same flags
# (side by side, warm wineserver, medians), and a key press on a menu of 99
# entries in the host build. Builds into build-bench/; runs Wine in a prefix
# and on an X server of its own, and ends both when it is done. The prefix
# stands in for a Chinese Windows: the menu's font faces map onto an
# installed font with Chinese characters (fonts-wqy-microhei), so that Wine
# does not search for one on every start.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-bench"
runs=21

echo "building in $build ..."
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)" >"$build/build.log" 2>&1 || { tail -20 "$build/build.log"; exit 1; }
player="$build/windows/player/VYRrun.exe"
wizard="$build/windows/wizard/VYRwizard.exe"
emptyWindow="$build/windows/tools/bench/bench_window.exe"

row() { printf '  %-46s %12s   target: %s\n' "$1" "$2" "$3"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo
echo "sizes"
row "VYRrun.exe" "$(stat -c %s "$player") B" "at most 65536 B (64 KiB)"
row "VYRwizard.exe (holds the player and the icon)" "$(stat -c %s "$wizard") B" "at most 262144 B (256 KiB)"

echo
echo "key press on 99 entries, host build, 2000 presses"
read -r pressMedian pressWorst < <("$build/tools/bench/key_press_bench")
row "median" "$pressMedian ms" "under 1 ms"
row "slowest" "$pressWorst ms" "(for information)"

# Start-up: from starting the program until its window is visible on screen.
work=$(mktemp -d /tmp/vyr-bench.XXXXXX)
xserver=""
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
  [ -n "$xserver" ] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/menu"
cp "$player" "$work/menu/VYRrun.exe"
cp "$emptyWindow" "$work/bench_window.exe"
"$build/tools/bench/demo_menu" "$work/menu"

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
exec 3>&-
until [ -s "$work/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
echo
echo "start-up under Wine (making a prefix first) ..."
wineboot -i >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A .reg file in UTF-16: the faces' names do not depend on the locale.
{
  printf '\xff\xfe'
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n' |
    iconv -f UTF-8 -t UTF-16LE
  for face in 宋体 黑体 华文隶书; do printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"; done | iconv -f UTF-8 -t UTF-16LE
} >"$work/fonts.reg"
wine regedit /S "$(winepath -w "$work/fonts.reg")" >/dev/null 2>&1
wineserver -w
wineserver -p

visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# Milliseconds from starting the program until a window with the caption is
# visible; the program is then ended, and its window gone before the next.
startUp() {
  local program=$1 caption=$2 start pid
  start=$(date +%s%N)
  wine "$program" >/dev/null 2>&1 &
  pid=$!
  until visible "$caption"; do :; done
  echo $((($(date +%s%N) - start) / 1000000))
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  while visible "$caption"; do :; done
}

# Warm-up, which also makes sure that the player shows its 800 x 600 menu
# and not a message box under the same caption.
startUp "$work/bench_window.exe" "bench window" >/dev/null
wine "$work/menu/VYRrun.exe" >/dev/null 2>&1 &
pid=$!
until visible "VYR光盘自动播放菜单"; do :; done
shown=$(xdotool search --onlyvisible --name "^VYR光盘自动播放菜单\$" getwindowgeometry 2>/dev/null | grep Geometry)
kill "$pid"
wait "$pid" 2>/dev/null || true
while visible "VYR光盘自动播放菜单"; do :; done
case "$shown" in
  *800x600*) ;;
  *) echo "the player did not show its menu (window: $shown)" >&2; exit 1 ;;
esac
emptyTimes=()
playerTimes=()
for _ in $(seq "$runs"); do
  emptyTimes+=("$(startUp "$work/bench_window.exe" "bench window")")
  playerTimes+=("$(startUp "$work/menu/VYRrun.exe" "VYR光盘自动播放菜单")")
done
emptyMedian=$(printf '%s\n' "${emptyTimes[@]}" | median)
playerMedian=$(printf '%s\n' "${playerTimes[@]}" | median)
echo "  empty window: ${emptyTimes[*]} ms"
echo "  player:       ${playerTimes[*]} ms"
row "empty window, median of $runs" "$emptyMedian ms" "(the yardstick)"
row "player, median of $runs" "$playerMedian ms" "at most 1.3 x the empty window"
row "player / empty window" "$(awk -v p="$playerMedian" -v e="$emptyMedian" 'BEGIN { printf "%.2f x", p / e }')" \
    "at most 1.30 x"
