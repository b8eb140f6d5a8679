# shellcheck shell=bash
# Wine test harness: a private Wine prefix and X display for GUI tests.
#
# Usage (source it, do not run it):
#   source tools/wine/harness.sh
#   wine_harness_start "$WORKDIR"        # prefix in $WORKDIR/prefix, Xvfb on a free display
#   wine_harness_trap                    # or: trap wine_harness_stop EXIT
#   wine_run_bg "$exe" args...           # pid in WINE_BG_PID (also printed)
#   vyrdrive wait-window "标题"           # needs VYRDRIVE_EXE (see wine_harness_build_driver)
#   wine_harness_screenshot shot.png
#   wine_harness_stop
#
# Everything started here is recorded by PID and only those processes are
# stopped; `wineserver -k` is only ever run with WINEPREFIX set to our prefix.
# Safe under `set -euo pipefail`; start and stop may be called more than once.
# Call start and stop from the main shell, not inside $(...): they keep their
# state in shell variables. The other helpers also work inside $(...).

WINE_HARNESS_SRC_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
WINE_HARNESS_DIR=${WINE_HARNESS_DIR:-}
WINE_HARNESS_XVFB_PID=${WINE_HARNESS_XVFB_PID:-}
WINE_HARNESS_XVFB_START=${WINE_HARNESS_XVFB_START:-}
WINE_BG_PID=${WINE_BG_PID:-}

# Faces our programs ask for, all served by WenQuanYi Micro Hei.
WINE_HARNESS_FONT_FACES=(宋体 新宋体 黑体 华文隶书 楷体 仿宋 微软雅黑 SimSun NSimSun SimHei STLiti KaiTi FangSong "Microsoft YaHei")
WINE_HARNESS_FONT_TARGET="WenQuanYi Micro Hei"

_wh_log() { printf 'wine-harness: %s\n' "$*" >&2; }

# Milliseconds since the epoch.
_wh_now_ms() { local t; t=$(date +%s%N); echo $((t / 1000000)); }

# Seconds (fractions allowed) to milliseconds.
_wh_seconds_to_ms() { awk -v t="$1" 'BEGIN { printf "%d", t * 1000 }'; }

# Start time of a process (clock ticks since boot): with the pid it names one
# process for good, so a recycled pid is never taken for ours.
_wh_proc_start() {
    local stat
    local -a f
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }                    # fields after "pid (comm) "
    read -r -a f <<<"$stat"
    echo "${f[19]}"                      # field 22 of stat
}

# _wh_is_ours PID START: the process we recorded is still alive.
_wh_is_ours() {
    [[ -n ${1:-} && -n ${2:-} ]] || return 1
    [[ $(_wh_proc_start "$1") == "$2" ]]
}

# _wh_stop_pid PID START: TERM, then KILL after 5 s, our own process only.
_wh_stop_pid() {
    local pid=$1 start=$2
    _wh_is_ours "$pid" "$start" || return 0
    kill "$pid" 2>/dev/null || true
    if ! wait_for_pid_exit "$pid" 5; then
        _wh_is_ours "$pid" "$start" && kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true   # reap it if it is our child
}

# In a subshell about to exec a long-lived process: close every descriptor
# above 2, so that daemons do not hold pipes of whoever ran the tests open.
_wh_close_fds() {
    local fd
    for fd in /proc/$BASHPID/fd/*; do
        fd=${fd##*/}
        [[ $fd =~ ^[0-9]+$ ]] && (( fd > 2 )) && eval "exec $fd>&-" 2>/dev/null
    done
    return 0
}

# wait_for_file PATH [TIMEOUT_S=10]: poll until PATH exists and is non-empty.
# Timeouts here are in seconds and may be fractions (0.5).
wait_for_file() {
    local path=$1 timeout=${2:-10} end
    end=$(( $(_wh_now_ms) + $(_wh_seconds_to_ms "$timeout") ))
    while [[ ! -s $path ]]; do
        if (( $(_wh_now_ms) >= end )); then
            _wh_log "timed out after ${timeout}s waiting for $path"
            return 1
        fi
        sleep 0.05
    done
}

# wait_for_pid_exit PID [TIMEOUT_S=10]: poll until a Unix process is gone.
wait_for_pid_exit() {
    local pid=$1 timeout=${2:-10} end
    end=$(( $(_wh_now_ms) + $(_wh_seconds_to_ms "$timeout") ))
    while kill -0 "$pid" 2>/dev/null; do
        # a zombie child counts as gone
        [[ $(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) == Z ]] && return 0
        if (( $(_wh_now_ms) >= end )); then return 1; fi
        sleep 0.05
    done
}

_wh_xvfb_start() {
    local dir=$1 dispfile="$1/xvfb.display"
    rm -f "$dispfile"
    # -displayfd: Xvfb picks a free display and writes its number once it accepts connections.
    (
        _wh_close_fds
        exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
            3>"$dispfile" >"$dir/xvfb.log" 2>&1 </dev/null
    ) &
    WINE_HARNESS_XVFB_PID=$!
    WINE_HARNESS_XVFB_START=$(_wh_proc_start "$WINE_HARNESS_XVFB_PID") || true
    echo "$WINE_HARNESS_XVFB_PID $WINE_HARNESS_XVFB_START" >"$dir/xvfb.pid"
    if ! wait_for_file "$dispfile" 15; then
        _wh_log "Xvfb did not start (see $dir/xvfb.log)"
        return 1
    fi
    export DISPLAY=":$(head -n1 "$dispfile" | tr -dc 0-9)"
}

# wine_harness_map_fonts DIR: maps the faces our programs ask for onto an
# installed font, in the prefix WINEPREFIX names. Writes the table as a
# UTF-16LE .reg file in DIR (reg add mangles non-ASCII value names) and
# imports it.
wine_harness_map_fonts() {
    local reg="${1:?usage: wine_harness_map_fonts DIR}/fonts.reg" face body
    body=$'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    for face in "${WINE_HARNESS_FONT_FACES[@]}"; do
        body+="\"$face\"=\"$WINE_HARNESS_FONT_TARGET\""$'\r\n'
    done
    { printf '\xff\xfe'; printf '%s' "$body" | iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
}

_wh_configure_prefix() {
    # No window manager: unmanaged windows avoid a 2 s stall on every close.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
        _wh_log "could not set Managed=N"
    # A crashing program must not leave a dialog that stalls the run.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 ||
        _wh_log "could not turn off the crash dialog"
    wine_harness_map_fonts "$WINE_HARNESS_DIR" || _wh_log "could not import the font replacements"
}

# True if the registry files on disk already hold our settings.
_wh_prefix_configured() {
    grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null &&
        grep -q 'Fonts\\\\Replacements' "$WINEPREFIX/user.reg" 2>/dev/null
}

# wine_harness_start DIR: prefix DIR/prefix (made once, reused later), Xvfb,
# persistent wineserver. Exports DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES LANG.
wine_harness_start() {
    local dir=${1:?usage: wine_harness_start DIR}
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    if [[ -n $WINE_HARNESS_DIR ]]; then
        if [[ $WINE_HARNESS_DIR == "$dir" ]] && _wh_is_ours "$WINE_HARNESS_XVFB_PID" "$WINE_HARNESS_XVFB_START"; then
            return 0  # already running here
        fi
        wine_harness_stop
    fi
    WINE_HARNESS_DIR=$dir
    : >"$dir/bg.pids"

    export WINEPREFIX="$dir/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine takes the Unix code set from the locale: UTF-8 makes command lines and
    # file names round-trip. LC_ALL would override it, so drop it.
    export LANG=C.UTF-8
    unset LC_ALL

    _wh_xvfb_start "$dir" || { wine_harness_stop; return 1; }

    # One wineserver for the whole run, persistent, so that every driver call
    # starts warm and no server started from a $(...) call holds its pipe open.
    mkdir -p "$WINEPREFIX"
    ( _wh_close_fds; exec wineserver -p >/dev/null 2>&1 </dev/null ) || true

    if [[ ! -f $WINEPREFIX/.harness-ready ]]; then
        _wh_log "creating Wine prefix $WINEPREFIX"
        # wineboot -i returns once the prefix is set up; the services it leaves
        # running belong to our persistent server and end with it.
        if ! wine wineboot -i >"$dir/wineboot.log" 2>&1; then
            _wh_log "wineboot failed (see $dir/wineboot.log)"
            wine_harness_stop
            return 1
        fi
        _wh_configure_prefix
        touch "$WINEPREFIX/.harness-ready"
    elif ! _wh_prefix_configured; then
        # settings lost (a run killed before the server wrote the registry out)
        _wh_configure_prefix
    fi
    return 0
}

# wine_harness_stop: ends the Wine processes of our prefix and our Xvfb.
wine_harness_stop() {
    local dir=$WINE_HARNESS_DIR pid start
    [[ -n $dir ]] || return 0
    if [[ -d $dir/prefix ]]; then
        WINEPREFIX="$dir/prefix" wineserver -k >/dev/null 2>&1 || true
        WINEPREFIX="$dir/prefix" timeout 20 wineserver -w >/dev/null 2>&1 || true
    fi
    if [[ -f $dir/bg.pids ]]; then
        while read -r pid start; do
            _wh_stop_pid "$pid" "${start:-}"
        done <"$dir/bg.pids"
        : >"$dir/bg.pids"
    fi
    _wh_stop_pid "$WINE_HARNESS_XVFB_PID" "$WINE_HARNESS_XVFB_START"
    WINE_HARNESS_XVFB_PID=
    WINE_HARNESS_XVFB_START=
    WINE_HARNESS_DIR=
    return 0
}

# wine_harness_trap: stop the harness however the calling script ends.
wine_harness_trap() {
    trap wine_harness_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
}

# wine_harness_screenshot FILE.png: the whole screen of our display.
wine_harness_screenshot() {
    local file=${1:?usage: wine_harness_screenshot FILE.png}
    [[ -n ${DISPLAY:-} && -n $WINE_HARNESS_DIR ]] || { _wh_log "harness not started"; return 1; }
    import -display "$DISPLAY" -window root "$file"
}

# wine_run_bg EXE [ARGS...]: starts a Windows program in the background from its
# own folder. Sets WINE_BG_PID to the Unix pid of the job (also printed, so
# `pid=$(wine_run_bg ...)` works too). Output goes to
# $WINE_HARNESS_DIR/bg.<pid>.log, the exit code later to bg.<pid>.rc.
wine_run_bg() {
    local exe=${1:?usage: wine_run_bg EXE [ARGS...]}
    shift
    [[ -n $WINE_HARNESS_DIR ]] || { _wh_log "harness not started"; return 1; }
    local d=$WINE_HARNESS_DIR
    (
        _wh_close_fds
        cd "$(dirname "$exe")" || exit 127
        rc=0
        wine "$exe" "$@" >"$d/bg.$BASHPID.log" 2>&1 </dev/null || rc=$?
        echo "$rc" >"$d/bg.$BASHPID.rc.tmp" && mv -f "$d/bg.$BASHPID.rc.tmp" "$d/bg.$BASHPID.rc"
    ) >/dev/null 2>&1 </dev/null &
    WINE_BG_PID=$!
    echo "$WINE_BG_PID $(_wh_proc_start "$WINE_BG_PID")" >>"$d/bg.pids"
    echo "$WINE_BG_PID"
}

# wine_wait_bg PID [TIMEOUT_S=10]: waits for a program started by wine_run_bg
# and prints its exit code (the Windows exit code modulo 256). Returns 0 once
# the program has ended, 1 on timeout. Safe inside $(...).
wine_wait_bg() {
    local pid=${1:?usage: wine_wait_bg PID [TIMEOUT_S]} timeout=${2:-10}
    local rcfile="$WINE_HARNESS_DIR/bg.$pid.rc"
    if ! wait_for_file "$rcfile" "$timeout"; then
        _wh_log "process $pid still running after ${timeout}s"
        return 1
    fi
    wait "$pid" 2>/dev/null || true
    cat "$rcfile"
}

# wine_harness_build_driver OUT.exe: cross-compiles the driver (for use without
# the CMake build); sets VYRDRIVE_EXE.
wine_harness_build_driver() {
    local out=${1:?usage: wine_harness_build_driver OUT.exe}
    local src="$WINE_HARNESS_SRC_DIR/../driver/vyrdrive.cpp"
    if [[ ! -f $out || $src -nt $out ]]; then
        i686-w64-mingw32-g++-posix -municode -static -Os -s -o "$out" "$src" -luser32 -lgdi32 || return 1
    fi
    VYRDRIVE_EXE=$out
    export VYRDRIVE_EXE
}

# vyrdrive ARGS...: runs the driver in our prefix (see tools/driver/vyrdrive.cpp).
# For `run`, the driver's stderr goes through a file: Wine hands a started
# program the Unix stderr of its parent, which would otherwise keep a pipe on
# the caller's stderr open for the program's lifetime.
vyrdrive() {
    local exe=${VYRDRIVE_EXE:?set VYRDRIVE_EXE or call wine_harness_build_driver}
    if [[ ${1:-} == run || ( ${1:-} == -t && ${3:-} == run ) ]]; then
        local err rc=0
        err=$(mktemp "${WINE_HARNESS_DIR:-/tmp}/run.XXXXXX.err")
        wine "$exe" "$@" 2>"$err" || rc=$?
        [[ -s $err ]] && cat "$err" >&2
        rm -f "$err"
        return "$rc"
    fi
    wine "$exe" "$@"
}
