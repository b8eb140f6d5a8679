#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz/ with clang's libFuzzer, AddressSanitizer
# and UBSan in build-fuzz/ and runs them one after the other. A crash, a
# sanitizer report or a failed property fails the run; the input that caused it
# is left in build-fuzz/crashes/.
#
#   tools/fuzz.sh --short             30 seconds per target (part of tools/test.sh)
#   tools/fuzz.sh --long SECONDS      SECONDS per target
#   tools/fuzz.sh ... TARGET...       only the targets named
#
# Each target starts from its seeds in tests/fuzz/corpus/ and the inputs of
# past faults in tests/fuzz/regressions/, and adds what it finds to
# build-fuzz/corpus/<target>/, which later runs go on from. VYR_FUZZ_BUILD
# names another build folder, e.g. for a long run beside the usual one.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build="${VYR_FUZZ_BUILD:-$root/build-fuzz}"
fuzz="$root/tests/fuzz"

seconds=30
case "${1:-}" in
  --short) shift ;;
  --long) seconds=$2; shift 2 ;;
  *) echo "usage: $0 --short | --long SECONDS [TARGET...]" >&2; exit 2 ;;
esac
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(split_lines read_lines text_integer settings_values settings_check player_layout)

# The seed folders of each target.
seeds() {
  case "$1" in
    split_lines | read_lines) echo "$fuzz/corpus/split_lines $fuzz/corpus/settings_check" ;;
    *) echo "$fuzz/corpus/$1" ;;
  esac
}

cmake -S "$fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

# The clang build must hold the programs' GBK texts, or the fuzzers would
# never reach an accepted settings file.
verdict=$("$build/settings_verdict" "$fuzz/corpus/settings_check/wizard-defaults.shi")
if [ "${verdict##*: }" != "accepted, 0 warnings" ]; then
  echo "fuzz build: the wizard's defaults file is not accepted ($verdict)" >&2
  exit 1
fi
"$build/fuzz_dictionary" >"$build/settings.dict"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p "$build/crashes" "$build/logs"
for target in "${targets[@]}"; do
  work="$build/corpus/$target"
  mkdir -p "$work"
  inputs=($(seeds "$target"))
  [ -d "$fuzz/regressions/$target" ] && inputs+=("$fuzz/regressions/$target")
  log="$build/logs/$target.log"
  echo "fuzzing $target for $seconds s (log: $log)"
  if ! "$build/$target" -max_total_time="$seconds" -timeout=10 -max_len=8192 -dict="$build/settings.dict" \
      -artifact_prefix="$build/crashes/$target-" -print_final_stats=1 "$work" "${inputs[@]}" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz target $target failed; the input is in $build/crashes/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  coverage=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
  echo "  $runs runs, $coverage, corpus $(ls "$work" | wc -l) inputs, no crash"
  if [ "$target" = settings_check ]; then
    echo "  verdicts of the corpus:" $(cd "$work" && find . -type f -print0 | xargs -0 -r "$build/settings_verdict" |
      sed 's/.*: \(.*\), .*/\1/' | sort | uniq -c | sed 's/^ *\([0-9]*\) \(.*\)/\1 \2;/')
  fi
done
