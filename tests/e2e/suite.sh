#!/usr/bin/env bash
# End-to-end suite: the real VYRwizard.exe and VYRrun.exe of a build, run
# under Wine on a display of their own and operated through their windows.
#
#   tests/e2e/suite.sh BUILD_DIR [NAME...]
#
# NAME picks the cases whose function name contains it. Work folders and logs
# go to BUILD_DIR/e2e-work, screenshots to BUILD_DIR/e2e-screenshots (or
# $E2E_SHOTS), the Wine prefix to BUILD_DIR/e2e-wine (made once, reused).
# Prints PASS or FAIL per case and "N passed, M failed" last; exit status 0
# only when every case passed.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_ROOT=$(cd "$here/../.." && pwd)
# shellcheck source=../../tools/wine/harness.sh
source "$E2E_ROOT/tools/wine/harness.sh"
# shellcheck source=lib.sh
source "$here/lib.sh"
# shellcheck source=wizard_cases.sh
source "$here/wizard_cases.sh"
# shellcheck source=player_cases.sh
source "$here/player_cases.sh"

E2E_BUILD=$(cd "${1:?usage: suite.sh BUILD_DIR [NAME...]}" && pwd)
shift
E2E_WORK=$E2E_BUILD/e2e-work
E2E_SHOTS=${E2E_SHOTS:-$E2E_BUILD/e2e-screenshots}
WIZARD_EXE=$E2E_BUILD/windows/wizard/VYRwizard.exe
PLAYER_EXE=$E2E_BUILD/windows/player/VYRrun.exe
export VYRDRIVE_EXE=$E2E_BUILD/windows/tools/driver/vyrdrive.exe
MARKER_EXE=$E2E_BUILD/e2e-wine/marker.exe

# Function and title of every case, in the order they run. The menu case uses
# the package that the typed-answers case leaves.
cases=(
    "case_wizard_defaults|wizard: every box left empty, through to Finished and 完成"
    "case_wizard_typed|wizard: typed answers, Back at several steps, 预览"
    "case_wizard_cancel_at_icon|wizard: 取消 at IconChoice removes the package"
    "case_wizard_cancel_at_item|wizard: 取消 at ItemEntry, after Back from Finished, removes the package"
    "case_menu_entries|menu: entries open by click and hotkey, a missing target is reported, Esc closes"
    "case_settings_missing|menu: no settings file"
    "case_settings_12_lines|menu: a settings file of 12 lines"
    "case_settings_blank_line|menu: a blank line after the last item"
    "case_settings_header_changed|menu: bad hotkeys before a changed header line"
    "case_settings_100_items|menu: 100 items"
    "case_settings_hotkey_warnings|menu: bad hotkeys are warned of, then the menu opens"
    "case_own_name_upper|menu: run as VYRRUN.EXE"
    "case_own_name_lower|menu: run as vyrrun.exe"
    "case_settings_minus_key_byte|menu: the minus key's byte as a hotkey, on the last item and on item 1 of 2"
)

selected() {
    local fn=$1 name
    (( $# > 1 )) || return 0
    for name in "${@:2}"; do [[ $fn == *"$name"* ]] && return 0; done
    return 1
}

for exe in "$WIZARD_EXE" "$PLAYER_EXE" "$VYRDRIVE_EXE"; do
    [[ -f $exe ]] || { echo "e2e: $exe is missing; build $E2E_BUILD first" >&2; exit 2; }
done

mkdir -p "$E2E_BUILD/e2e-wine" "$E2E_SHOTS"
rm -rf "$E2E_WORK"
mkdir -p "$E2E_WORK"
if [[ ! -f $MARKER_EXE || $here/marker.cpp -nt $MARKER_EXE ]]; then
    i686-w64-mingw32-g++-posix -municode -mwindows -static -Os -s -o "$MARKER_EXE" "$here/marker.cpp"
fi

trap wine_harness_stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
started=$(_wh_now_ms)
wine_harness_start "$E2E_BUILD/e2e-wine"
# Bring up the prefix's services and desktop before the first case, so that
# no case starts its program while they are still starting.
timeout 120 wine "$VYRDRIVE_EXE" windows >/dev/null 2>&1 || echo "e2e: the Wine desktop did not answer" >&2

passed=0
failed=0
for entry in "${cases[@]}"; do
    fn=${entry%%|*}
    title=${entry#*|}
    selected "$fn" "$@" || continue
    dir=$E2E_WORK/${fn#case_}
    log=$E2E_WORK/${fn#case_}.log
    mkdir -p "$dir"
    t0=$(_wh_now_ms)
    set +e
    (
        set -eEuo pipefail
        case_level=$BASH_SUBSHELL
        trap '(( BASH_SUBSHELL == case_level )) &&
            printf "  FAIL  stopped at %s line %s: %s\n" "${BASH_SOURCE[0]##*/}" "$LINENO" "$BASH_COMMAND"' ERR
        "$fn" "$dir"
        [[ $case_failures == 0 ]] || exit 1
    ) >"$log" 2>&1
    rc=$?
    set -e
    stop_programs_below "$dir" >>"$log" 2>&1
    seconds=$(awk -v ms=$(( $(_wh_now_ms) - t0 )) 'BEGIN { printf "%.1f", ms / 1000 }')
    if (( rc == 0 )); then
        passed=$((passed + 1))
        printf 'PASS  %s (%s s)\n' "$title" "$seconds"
    else
        failed=$((failed + 1))
        printf 'FAIL  %s (%s s)\n' "$title" "$seconds"
        grep -v '^  ok  \|^  shot  ' "$log" || true
    fi
done

printf 'e2e: %s s in all; logs in %s, screenshots in %s\n' \
    "$(awk -v ms=$(( $(_wh_now_ms) - started )) 'BEGIN { printf "%.1f", ms / 1000 }')" "$E2E_WORK" "$E2E_SHOTS"
echo "$passed passed, $failed failed"
(( failed == 0 ))
