# shellcheck shell=bash
# The menu player, run from a folder as from a disc. Each case gets a fresh
# folder DIR.

MENU_TITLE="测试菜单"

# put_menu_file COUNT HOTKEY...: a settings file with COUNT in line 11 and one
# item per HOTKEY (printf form), titled 项目N, without a path.
put_menu_file() {
    local count=$1 n=0 hotkey
    shift
    put_header
    put_basic 800 600 "$MENU_TITLE" "VYR软件工作室倾情奉献" 宋体 18 "$count"
    for hotkey in "$@"; do
        n=$((n + 1))
        put "菜单${n}标题=项目$n"
        put "菜单${n}路径="
        put "菜单${n}热键=" "$hotkey"
    done
}

# menu_boxes DIR NAME EXPECTED...: runs DIR/NAME, a copy of the player, and
# checks the texts of its message boxes, in order, and that it then ends
# with exit code 0 without showing its menu.
menu_boxes() {
    local dir=$1 name=$2 expected
    shift 2
    expected=$(printf '%s\n' "$@")
    cp "$PLAYER_EXE" "$dir/$name"
    player_start "$dir" "$name"
    check "the message boxes, in order" "${expected%$'\n'}" "$(message_boxes "$PLAYER_JOB" "$MENU_TITLE")"
    if vyrdrive -t 0 caption "$MENU_TITLE" >/dev/null 2>&1; then
        check "the player ends instead of showing its menu" "no menu window" "the menu window"
    else
        check "the player ends with exit code 0" 0 "$(program_exit_code "$PLAYER_JOB")"
    fi
}

case_settings_missing() {
    menu_boxes "$1" VYRrun.exe "配置文件不存在！无法启动光盘菜单！"
}

case_settings_12_lines() {
    put_menu_file 1 A >"$1/full.shi"
    head -n 12 "$1/full.shi" >"$1/VYRrun.shi"
    menu_boxes "$1" VYRrun.exe "配置文件不完整或没有菜单项！启动失败！"
}

case_settings_blank_line() {
    { put_menu_file 2 A B; printf '\r\n'; } >"$1/VYRrun.shi"
    menu_boxes "$1" VYRrun.exe "存在无法识别菜单项！启动失败！"
}

# The address line of the header changed in place; the hotkey warnings come first.
case_settings_header_changed() {
    put_menu_file 3 "" f1 A | LC_ALL=C sed '3s/^;http:/;https:/' >"$1/VYRrun.shi"
    menu_boxes "$1" VYRrun.exe \
        "菜单项1热键值为空！该项热键无效！" \
        "菜单项2热键值错误！该项热键无效！" \
        "配置文件不合法！光盘菜单启动失败！"
}

# Item 100 can never carry the key of its position.
case_settings_100_items() {
    local hotkeys=() n
    for (( n = 1; n <= 100; n++ )); do hotkeys+=(F$(( (n - 1) % 12 + 1 ))); done
    hotkeys[41]=F13
    hotkeys[98]=""
    put_menu_file 100 "${hotkeys[@]}" >"$1/VYRrun.shi"
    menu_boxes "$1" VYRrun.exe \
        "菜单项42热键值错误！该项热键无效！" \
        "菜单项99热键值为空！该项热键无效！" \
        "存在无法识别菜单项！启动失败！"
}

case_own_name_upper() {
    put_menu_file 1 A >"$1/VYRrun.shi"
    menu_boxes "$1" VYRRUN.EXE "主程序文件名错误！请更改为VYRrun.exe！"
}

case_own_name_lower() {
    put_menu_file 1 A >"$1/VYRrun.shi"
    menu_boxes "$1" vyrrun.exe "主程序文件名错误！请更改为VYRrun.exe！"
}

# Hotkey warnings alone do not stop the player: the menu opens after them.
case_settings_hotkey_warnings() {
    put_menu_file 3 "" F13 A >"$1/VYRrun.shi"
    cp "$PLAYER_EXE" "$1/VYRrun.exe"
    player_start "$1"
    check "a warning per bad hotkey, in item order" "菜单项1热键值为空！该项热键无效！
菜单项2热键值错误！该项热键无效！" "$(message_boxes "$PLAYER_JOB" "$MENU_TITLE")"
    check_that "then the menu opens" vyrdrive wait-window "$MENU_TITLE" 5000
    vyrdrive key "$MENU_TITLE" ESCAPE
    check "Esc ends the player with exit code 0" 0 "$(program_exit_code "$PLAYER_JOB")"
}

# The wizard stores the minus key as the lone byte 0xBD. No GBK trail byte
# lies below 0x40, so that byte stands alone before its line's CR LF: the
# player reads its own wizard's file whichever item carries it.
case_settings_minus_key_byte() {
    local where hotkeys
    for where in last first; do
        mkdir -p "$1/$where"
        if [[ $where == last ]]; then hotkeys=(A '\xbd'); else hotkeys=('\xbd' B); fi
        put_menu_file 2 "${hotkeys[@]}" >"$1/$where/VYRrun.shi"
        cp "$PLAYER_EXE" "$1/$where/VYRrun.exe"
        player_start "$1/$where"
        check "$where item: no message box" "" "$(message_boxes "$PLAYER_JOB" "$MENU_TITLE")"
        check_that "$where item: the menu opens" vyrdrive wait-window "$MENU_TITLE" 5000
        vyrdrive key "$MENU_TITLE" ESCAPE
        check "$where item: Esc ends the player with exit code 0" 0 "$(program_exit_code "$PLAYER_JOB")"
    done
}

# The package of the typed-answers case, copied elsewhere as onto a disc, with
# one of its targets deleted since.
case_menu_entries() {
    local dir=$1 disc="$1/光盘" title=$TYPED_TITLE s=$TYPED_FONT_SIZE box
    need "the typed-answers case has left its package" test -f "$E2E_WORK/wizard_typed/光盘内容/VYRrun.shi"
    cp -r "$E2E_WORK/wizard_typed/光盘内容" "$disc"
    rm "$disc/gone.exe"
    player_start "$disc"
    start_up_boxes "$PLAYER_JOB" "$title"
    need_window "$title" "$dir" "the menu window opens with the title as its caption"
    shot menu "$title"

    # box 2 spans y = 4.0 s to 6.4 s of the board, x = 140 to W - 140
    vyrdrive mouse "$title" class:VYRDrawingBoard 400 $(( s * 52 / 10 )) left
    check_that "a click at the centre of box 2 starts its program" wait_for_file "$disc/demo/box2.exe.ran" 10
    vyrdrive key "$title" S
    check_that "S, the hotkey of entry 3, starts its program" wait_for_file "$disc/key3.exe.ran" 10

    vyrdrive key "$title" 96  # keypad 0: entry 6, whose program is gone
    box=$(vyrdrive msgbox-ok 5000 "$BOX_CAPTION" || true)
    check "a target that is gone: the message" "菜单路径指向有误！文件打开失败！" "${box#*$'\n'}"
    check "the menu stays" "$title" "$(vyrdrive -t 0 caption "$title" 2>&1)"
    vyrdrive key "$title" Z
    check_that "and still answers: Z, the hotkey of entry 10 (not drawn), starts its program" \
        wait_for_file "$disc/key10.exe.ran" 10

    vyrdrive key "$title" ESCAPE
    check "Esc ends the player with exit code 0" 0 "$(program_exit_code "$PLAYER_JOB")"
}
