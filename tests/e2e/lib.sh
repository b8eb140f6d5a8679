# shellcheck shell=bash
# Helpers of the end-to-end suite: checks, settings files as bytes, the
# programs' windows driven through vyrdrive, screenshots and clean-up.
# Sourced by tests/e2e/suite.sh after tools/wine/harness.sh.

WIZARD_CAPTION="VYR光盘自动播放菜单创建向导"
BOX_CAPTION="VYR光盘自动播放菜单"
DEFAULT_TITLE="VYR光盘自动播放菜单"

# ---------------------------------------------------------------- checks
# A case runs in a subshell; case_failures counts the checks that failed in it.
case_failures=0

_e2e_show() {  # _e2e_show LABEL TEXT: one labelled value, control bytes made visible
    printf '      %-9s %s\n' "$1:" "$(printf '%s' "$2" | od -An -c -w100000 | sed 's/^ *//; s/   */ /g' | head -c 600)"
}

# check WHAT EXPECTED ACTUAL
check() {
    if [[ $2 == "$3" ]]; then
        printf '  ok    %s\n' "$1"
    else
        printf '  FAIL  %s\n' "$1"
        if [[ ${2//$'\n'/}${3//$'\n'/} == *[[:cntrl:]]* ]]; then
            _e2e_show expected "$2"
            _e2e_show actual "$3"
        elif [[ $2$3 == *$'\n'* ]]; then
            printf '      expected:\n%s\n      actual:\n%s\n' "$(sed 's/^/        | /' <<<"$2")" "$(sed 's/^/        | /' <<<"$3")"
        else
            printf '      expected: %s\n      actual:   %s\n' "$2" "$3"
        fi
        case_failures=$((case_failures + 1))
    fi
}

# check_that WHAT COMMAND...: the command succeeds.
check_that() {
    local what=$1
    shift
    if "$@" >/dev/null; then
        printf '  ok    %s\n' "$what"
    else
        printf '  FAIL  %s\n      (%s)\n' "$what" "$*"
        case_failures=$((case_failures + 1))
    fi
}

# Prints a line file one line a row, GBK shown as UTF-8, other bytes escaped.
show_lines() {
    local line n=0 utf
    while IFS= read -r line || [[ -n $line ]]; do
        n=$((n + 1))
        line=${line%$'\r'}
        if utf=$(printf '%s' "$line" | iconv -f GBK -t UTF-8 2>/dev/null); then
            printf '        %3d  %s\n' "$n" "$utf"
        else
            printf '        %3d  (bytes) %s\n' "$n" "$(printf '%s' "$line" | od -An -tx1 -w100000)"
        fi
    done <"$1"
}

# check_file WHAT EXPECTED_FILE ACTUAL_FILE: byte for byte.
check_file() {
    if [[ -f $3 ]] && cmp -s "$2" "$3"; then
        printf '  ok    %s\n' "$1"
        return
    fi
    printf '  FAIL  %s\n' "$1"
    if [[ ! -f $3 ]]; then
        printf '      %s does not exist\n' "$3"
    else
        printf '      expected (%d bytes):\n' "$(stat -c %s "$2")"
        show_lines "$2"
        printf '      actual (%d bytes):\n' "$(stat -c %s "$3")"
        show_lines "$3"
        printf '      first difference: %s\n' "$(cmp "$2" "$3" 2>&1 | head -n1)"
    fi
    case_failures=$((case_failures + 1))
}

# need WHAT COMMAND...: a step the rest of the case depends on; ends the case.
need() {
    local what=$1
    shift
    if ! "$@"; then
        printf '  FAIL  %s\n      (%s)\n' "$what" "$*"
        exit 1
    fi
}

# ---------------------------------------------------------------- texts and files
# The Windows form of an absolute Unix path (drive Z: is the Unix root).
winpath() {
    local p=${1//\//\\}
    printf 'Z:%s' "$p"
}

# put TEXT [RAW]: one settings line, TEXT in GBK, then RAW (printf escapes,
# for bytes that are no character), then CR LF.
put() {
    printf '%s' "$1" | iconv -f UTF-8 -t GBK
    [[ -z ${2:-} ]] || printf "$2"
    printf '\r\n'
}

put_header() {
    put ";VYR光盘自动播放菜单程序"
    put ";VYR软件工作室版权所有，保留一切权利"
    put ";http://vyr.example/"
    put ";配置程序时请勿更改本行及以上信息，否则将会导致程序运行错误"
    put "【基本设置】"
}

# put_basic WIDTH HEIGHT TITLE AUTHOR FONT SIZE COUNT: lines 5 to 12.
put_basic() {
    put "宽度=$1"
    put "高度=$2"
    put "标题=$3"
    put "作者=$4"
    put "字体=$5"
    put "字号=$6"
    put "数量=$7"
    put "【菜单设置】"
}

# put_item N TITLE PATH HOTKEY
put_item() {
    put "菜单$1标题=$2"
    put "菜单$1路径=$3"
    put "菜单$1热键=$4"
}

# Deterministic bytes that are no icon: a file of another kind, as a user might pick.
not_an_icon() {
    printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR'
    local i
    for i in $(seq 0 255); do printf "\\x$(printf %02x "$i")"; done
    head -c 1500 /dev/zero | tr '\0' '\375'
}

# ---------------------------------------------------------------- processes
# Every process of our Wine prefix: its pid, a tab, its command line.
wine_processes() {
    local pid cmd
    for pid in /proc/[0-9]*; do
        pid=${pid#/proc/}
        grep -qzxF "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null || continue
        cmd=$(tr '\0' ' ' 2>/dev/null <"/proc/$pid/cmdline") || continue
        printf '%s\t%s\n' "$pid" "${cmd% }"
    done
}

# running_program EXE: a process of our prefix runs EXE (a Unix path), started
# by us or by a Windows program.
running_program() {
    # paths through the environment: awk -v would take their backslashes as escapes
    wine_processes | U=$1 W=$(winpath "$1") awk -F'\t' \
        '{ u = ENVIRON["U"]; w = ENVIRON["W"] }
         $2 == u || $2 == w || index($2, u " ") == 1 || index($2, w " ") == 1 { found = 1 }
         END { exit !found }'
}

# Ends every process of our Wine prefix that runs a program from below DIR:
# what a case started, also what its programs started. By PID, TERM first.
stop_programs_below() {
    local dir=$1 pid pids
    pids=$(wine_processes | U="$dir/" W="$(winpath "$dir")\\" awk -F'\t' \
        'index($2, ENVIRON["U"]) || index($2, ENVIRON["W"]) { print $1 }')
    [[ -n $pids ]] || return 0
    printf '  (stopping what is left: pid %s)\n' "$(echo $pids)"
    # shellcheck disable=SC2086
    kill $pids 2>/dev/null || true
    for pid in $pids; do
        wait_for_pid_exit "$pid" 5 || kill -9 "$pid" 2>/dev/null || true
    done
}

# ---------------------------------------------------------------- screenshots
# shot NAME CAPTION: the window of that caption, once its picture has stopped
# changing (bounded), as $E2E_SHOTS/NAME.png.
shot() {
    local name=$1 caption=$2 re geometry x y w h last="" sum tries=0
    local file="$E2E_SHOTS/$name.png" tmp="$E2E_SHOTS/.$name.tmp.png"
    re=$(printf '%s' "$caption" | sed 's/[][\.*^$+?(){}|]/\\&/g')
    geometry=$(xdotool search --onlyvisible --limit 1 --name "^$re\$" getwindowgeometry --shell 2>/dev/null) || {
        printf '  FAIL  screenshot %s: no window "%s"\n' "$name" "$caption"
        case_failures=$((case_failures + 1))
        return 0
    }
    x=$(sed -n 's/^X=//p' <<<"$geometry"); y=$(sed -n 's/^Y=//p' <<<"$geometry")
    w=$(sed -n 's/^WIDTH=//p' <<<"$geometry"); h=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
    while (( tries < 40 )); do
        tries=$((tries + 1))
        import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$tmp" 2>/dev/null || continue
        sum=$(identify -format '%#' "$tmp" 2>/dev/null) || continue
        if [[ $sum == "$last" && $(identify -format '%k' "$tmp") -gt 1 ]]; then
            mv -f "$tmp" "$file"
            printf '  shot  %s\n' "$file"
            return 0
        fi
        last=$sum
    done
    rm -f "$tmp"
    printf '  FAIL  screenshot %s: the window did not settle\n' "$name"
    case_failures=$((case_failures + 1))
}

# ---------------------------------------------------------------- the wizard
# wizard_start DIR: a copy of the wizard in DIR, started from there.
wizard_start() {
    mkdir -p "$1"
    cp "$WIZARD_EXE" "$1/VYRwizard.exe"
    WIZARD_JOB=$(wine_run_bg "$1/VYRwizard.exe")
    need_window "$WIZARD_CAPTION" "$1" "the wizard's window opens"
}

# need_window CAPTION DIR WHAT: waits up to 20 s for the window; when it does
# not come, the windows there are and a screenshot go to the log and DIR, and
# the case ends.
need_window() {
    vyrdrive wait-window "$1" 20000 >/dev/null && return 0
    printf '  FAIL  %s\n      windows on the screen:\n' "$3"
    vyrdrive windows 2>&1 | sed 's/^/        /'
    wine_harness_screenshot "$2/no-window.png" && printf '      screenshot: %s\n' "$2/no-window.png"
    exit 1
}

wizard() { vyrdrive "$1" "$WIZARD_CAPTION" "${@:2}"; }
press() { wizard click "text:$1"; }          # a button, by its caption
prompt() { wizard text id:1; }
box() { wizard text "class:Edit#$1"; }       # the Nth answer box on screen

# answer N TEXT: types TEXT into the Nth answer box on screen, emptied first.
answer() {
    wizard set-text "class:Edit#$1" ""
    [[ -z $2 ]] || wizard type "class:Edit#$1" "$2"
}

# hotkey KEY: presses, then releases KEY in the hotkey box (the third box).
# Keys are posted to the control: input through SendInput depends on which
# window Wine takes for the foreground at that moment, and was lost now and
# then on a busy machine. The release is posted once the press has been
# handled, so that the character the press types comes before it, as it does
# from a keyboard.
hotkey() {
    wizard key "$1" down "to=class:Edit#3"
    wizard key "$1" up "to=class:Edit#3"
}

# wizard_exit_code: waits for the wizard to end and prints its exit code.
wizard_exit_code() { wine_wait_bg "$WIZARD_JOB" 10 || echo "still running"; }

# ---------------------------------------------------------------- the player
# player_start DIR [NAME]: runs DIR/NAME (VYRrun.exe) from its folder.
player_start() {
    PLAYER_JOB=$(wine_run_bg "$1/${2:-VYRrun.exe}")
}

# message_boxes JOB [UNTIL]: presses OK on every message box of ours that
# comes up, and prints each box's text, one a line, until the program started
# as JOB has ended (JOB "-": none), or a window captioned UNTIL is there.
# Gives up after 30 s.
message_boxes() {
    local job=$1 until=${2:-} end box
    end=$(( $(_wh_now_ms) + 30000 ))
    while (( $(_wh_now_ms) < end )); do
        if box=$(vyrdrive msgbox-ok 300 "$BOX_CAPTION" 2>/dev/null); then
            printf '%s\n' "${box#*$'\n'}"
            continue
        fi
        [[ $job != - && -f $WINE_HARNESS_DIR/bg.$job.rc ]] && return 0
        [[ -n $until ]] && vyrdrive -t 0 caption "$until" >/dev/null 2>&1 && return 0
    done
    echo "(no end after 30 s)"
}

# start_up_boxes JOB UNTIL: message_boxes, each box noted in the log.
start_up_boxes() {
    local text
    while IFS= read -r text; do
        [[ -z $text ]] || printf '  note  a message box at start-up: %s\n' "$text"
    done < <(message_boxes "$@")
}

# program_exit_code JOB: the exit code once the program has ended.
program_exit_code() { wine_wait_bg "$1" 10 || echo "still running"; }
