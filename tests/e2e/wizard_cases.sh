# shellcheck shell=bash
# The wizard, operated through its window as a user would. Each case gets a
# fresh folder DIR holding its own copy of VYRwizard.exe.

# The font list at MenuFont: 宋体 is selected when the system lists it, else
# nothing is. Sets FONT to the font the settings file is then to name.
check_font_list() {
    local items selected
    items=$(wizard items class:ComboBox)
    selected=$(awk -F'\t' '$2 == "*" { print $3 }' <<<"$items")
    check "the font list names no font twice in a row" "" \
        "$(awk -F'\t' 'NR > 1 && $3 == last { print $3 } { last = $3 }' <<<"$items")"
    if awk -F'\t' '$3 == "宋体" { found = 1 } END { exit !found }' <<<"$items"; then
        check "the font list selects 宋体" "宋体" "$selected"
        check "the font box shows 宋体" "宋体" "$(wizard text class:ComboBox)"
        FONT="宋体"
    else
        check "without 宋体 in the list nothing is selected" "" "$selected"
        FONT=""
    fi
}

# Every box left empty, Next pressed through to Finished, then 完成.
case_wizard_defaults() {
    local dir=$1 out=$1/VYRrunCD
    wizard_start "$dir"
    check "the window opens at Welcome" "    确定要创建光盘自动播放菜单吗？" "$(prompt | tail -n1)"
    press 确定
    check "TargetFolder prompt" "    请选择您要写入光盘的文件目录，如果留空将使用向导同一目录下的【VYRrunCD】子目录：" "$(prompt)"
    press 下一步
    check "IconChoice prompt" "    请选择您的光盘图标，图标格式为ICO，如果留空将使用默认图标：" "$(prompt)"
    press 上一步
    check "back at TargetFolder: an empty folder became VYRrunCD beside the wizard" "$(winpath "$out")" "$(box 1)"
    press 下一步
    press 下一步
    check "WindowSize prompt" "    请输入程序界面的宽度和高度，单位为像素，如果留空将默认使用800×600：" "$(prompt)"
    press 下一步
    check "MenuTitle prompt" "    请输入菜单程序的标题，如果留空将默认显示为【VYR光盘自动播放菜单】：" "$(prompt)"
    press 下一步
    check "MenuAuthor prompt" "    请输入菜单程序的作者，如果留空将默认显示为【VYR软件工作室倾情奉献】：" "$(prompt)"
    press 下一步
    check "MenuFont prompt" "    请选择菜单字体，如果留空将默认使用宋体：" "$(prompt)"
    check_font_list
    press 下一步
    check "MenuFontSize prompt" "    请输入菜单字体字号，单位为点，如果留空将默认使用18点：" "$(prompt)"
    press 下一步
    check "ItemCount prompt" "    请输入菜单数量，如果留空将建立1个菜单项：" "$(prompt)"
    press 下一步
    check "ItemEntry prompt for item 1" "    请输入第1个菜单的参数：" "$(prompt)"
    press 下一步
    check "Finished prompt" "    您已经完成了一个光盘自动播放菜单！

    您可以单击【预览】按钮查看效果！

    谢谢您的使用，再见！" "$(prompt)"
    check "Finished: the buttons read 预览 and 完成" "预览 完成" \
        "$(wizard text id:14) $(wizard text id:15)"

    { put_header; put_basic 800 600 "$DEFAULT_TITLE" "VYR软件工作室倾情奉献" "$FONT" 18 1; put_item 1 "" "" " "; } \
        >"$dir/expected.shi"
    check_file "the settings file, 16 lines of defaults" "$dir/expected.shi" "$out/VYRrun.shi"
    printf '[AUTORUN]\r\nOPEN=VYRrun.exe\r\nicon=VYR.ico' >"$dir/expected.inf"
    check_file "autorun.inf, 40 bytes" "$dir/expected.inf" "$out/autorun.inf"
    check_file "VYR.ico is the default icon" "$E2E_ROOT/assets/VYR.ico" "$out/VYR.ico"
    check "the default icon is 34494 bytes" 34494 "$(stat -c %s "$out/VYR.ico" 2>&1)"
    check_file "VYRrun.exe is the player" "$PLAYER_EXE" "$out/VYRrun.exe"

    press 完成
    check "完成 ends the wizard with exit code 0" 0 "$(wizard_exit_code)"
    check "完成 leaves the four files" "VYR.ico VYRrun.exe VYRrun.shi autorun.inf" \
        "$(cd "$out" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//')"
    check_file "and the settings file as it was" "$dir/expected.shi" "$out/VYRrun.shi"
}

# The twelve items of the typed-answers case, a row each:
# title | path typed (below the output folder unless it starts with /) |
# path stored | hotkey key pressed (empty: none) | hotkey stored (printf form)
TYPED_ITEMS=(
    "阅读说明|docs|\\docs|F1|F1"
    "运行演示|demo\\box2.exe|\\demo\\box2.exe|F10|F10"
    "安装程序|key3.exe|\\key3.exe|S|S"
    "外部文件|/outside.txt||D|D"
    "不存在的文件|nothing.exe||101|5"
    "已删除的程序|gone.exe|\\gone.exe|96|0"
    "光盘目录|||| "
    "|/||105|9"
    "自述文件|demo\\自述.txt|\\demo\\自述.txt|F12|F12"
    "第十项|key10.exe|\\key10.exe|Z|Z"
    "第十一项 = 附加|demo|\\demo|7|7"
    "最后一项|demo\\box2.exe|\\demo\\box2.exe|189|\\xbd"
)
TYPED_TITLE="我的光盘=演示版"
TYPED_AUTHOR="星光软件 出品"
TYPED_FONT_SIZE=20

# typed_item N: sets title, typed, stored, key and stored_key from row N.
typed_item() {
    IFS='|' read -r title typed stored key stored_key <<<"${TYPED_ITEMS[$1 - 1]}"
}

# The package folder of the typed-answers case, as the user fills it first.
typed_folder() {
    local out=$1
    mkdir -p "$out/docs" "$out/demo"
    cp "$MARKER_EXE" "$out/demo/box2.exe"
    cp "$MARKER_EXE" "$out/key3.exe"
    cp "$MARKER_EXE" "$out/key10.exe"
    cp "$MARKER_EXE" "$out/gone.exe"
    printf 'read me\r\n' >"$out/demo/$(printf '自述.txt')"
}

# put_typed_items FIRST LAST: the settings lines of those typed items.
put_typed_items() {
    local n title typed stored key stored_key
    for (( n = $1; n <= $2; n++ )); do
        typed_item "$n"
        put "菜单${n}标题=$title"
        put "菜单${n}路径=$stored"
        put "菜单${n}热键=" "$stored_key"
    done
}

# enter_typed_item N WIN_OUT CASE_DIR: types item N into the ItemEntry screen.
enter_typed_item() {
    local n=$1 win=$2 case_dir=$3 title typed stored key stored_key path
    typed_item "$n"
    case $typed in
        "") path=$win ;;
        /) path="" ;;
        /*) path=$(winpath "$case_dir$typed") ;;
        *) path="$win\\$typed" ;;
    esac
    answer 1 "$title"
    answer 2 "$path"
    [[ -z $key ]] || hotkey "$key"
}

# Typed answers with Back at several steps; 预览 starts the player of the
# package; 完成 ends the wizard. The package is what the menu case runs.
case_wizard_typed() {
    local dir=$1 out="$1/光盘内容" win n title typed stored key stored_key items index
    typed_folder "$out"
    printf 'outside\r\n' >"$dir/outside.txt"
    not_an_icon >"$dir/picture.png"
    win=$(winpath "$out")

    wizard_start "$dir"
    shot wizard-welcome "$WIZARD_CAPTION"
    press 确定
    answer 1 "$win"
    shot wizard-target-folder "$WIZARD_CAPTION"
    press 下一步
    press 上一步
    check "back at TargetFolder: the folder as accepted" "$win" "$(box 1)"
    press 下一步
    answer 1 "$(winpath "$dir/picture.png")"
    shot wizard-icon-choice "$WIZARD_CAPTION"
    press 下一步
    check_file "an icon file of another kind is copied unchanged as VYR.ico" "$dir/picture.png" "$out/VYR.ico"

    answer 1 640
    answer 2 480
    press 下一步
    press 上一步
    check "back at WindowSize: the width as written" 640 "$(box 1)"
    check "back at WindowSize: the height as written" 480 "$(box 2)"
    put_header >"$dir/expected.shi"
    check_file "back at WindowSize: the settings file holds the template alone" "$dir/expected.shi" "$out/VYRrun.shi"
    answer 1 800
    answer 2 600
    shot wizard-window-size "$WIZARD_CAPTION"
    press 下一步
    answer 1 "$TYPED_TITLE"
    shot wizard-menu-title "$WIZARD_CAPTION"
    press 下一步
    answer 1 "$TYPED_AUTHOR"
    shot wizard-menu-author "$WIZARD_CAPTION"
    press 下一步
    press 上一步
    check "back at MenuAuthor: the author line as written" "$TYPED_AUTHOR" "$(box 1)"
    { put_header; put 宽度=800; put 高度=600; put "标题=$TYPED_TITLE"; } >"$dir/expected.shi"
    check_file "back at MenuAuthor: its line is out of the settings file" "$dir/expected.shi" "$out/VYRrun.shi"
    press 下一步

    # a font other than the one selected: 黑体 when listed
    items=$(wizard items class:ComboBox)
    index=$(awk -F'\t' '$3 == "黑体" { print $1; exit }' <<<"$items")
    [[ -n $index ]] || index=$(awk -F'\t' '$2 != "*" && $3 !~ /^@/ { print $1; exit }' <<<"$items")
    FONT=$(awk -F'\t' -v i="$index" '$1 == i { print $3 }' <<<"$items")
    need "a font to choose in the list" test -n "$FONT"
    wizard select class:ComboBox "$index"
    check "the font box shows the font chosen" "$FONT" "$(wizard text class:ComboBox)"
    shot wizard-menu-font "$WIZARD_CAPTION"
    press 下一步
    answer 1 "$TYPED_FONT_SIZE"
    shot wizard-menu-font-size "$WIZARD_CAPTION"
    press 下一步
    answer 1 12
    shot wizard-item-count "$WIZARD_CAPTION"
    press 下一步

    check "ItemEntry opens with empty boxes" "||" "$(box 1)|$(box 2)|$(box 3)"
    press 上一步
    check "back at ItemCount: the count as written" 12 "$(box 1)"
    { put_header; put 宽度=800; put 高度=600; put "标题=$TYPED_TITLE"; put "作者=$TYPED_AUTHOR"
      put "字体=$FONT"; put "字号=$TYPED_FONT_SIZE"; } >"$dir/expected.shi"
    check_file "back at ItemCount: the count and 【菜单设置】 are out of the file" "$dir/expected.shi" "$out/VYRrun.shi"
    press 下一步

    for (( n = 1; n <= 12; n++ )); do
        if (( n == 3 )); then
            press 上一步
            typed_item 2
            check "back at item 2: its title" "$title" "$(box 1)"
            check "back at item 2: its path, with the folder in front" "$win$stored" "$(box 2)"
            check "back at item 2: its hotkey" "$stored_key" "$(box 3)"
            { put_header; put_basic 800 600 "$TYPED_TITLE" "$TYPED_AUTHOR" "$FONT" "$TYPED_FONT_SIZE" 12
              put_typed_items 1 1; } >"$dir/expected.shi"
            check_file "back at item 2: its lines are out of the file" "$dir/expected.shi" "$out/VYRrun.shi"
            press 下一步
            check "Next writes item 2 again and shows item 3 with empty boxes" "||" "$(box 1)|$(box 2)|$(box 3)"
        fi
        check "ItemEntry prompt for item $n" "    请输入第${n}个菜单的参数：" "$(prompt)"
        enter_typed_item "$n" "$win" "$dir"
        typed_item "$n"
        if [[ -n $key && $key != 189 ]]; then
            check "item $n: the hotkey box shows the key's name" "$stored_key" "$(box 3)"
        fi
        if (( n == 1 )); then shot wizard-item-entry "$WIZARD_CAPTION"; fi
        press 下一步
    done
    check "12 items entered: Finished, with 预览 and 完成" "预览 完成" "$(wizard text id:14) $(wizard text id:15)"
    shot wizard-finished "$WIZARD_CAPTION"
    { put_header; put_basic 800 600 "$TYPED_TITLE" "$TYPED_AUTHOR" "$FONT" "$TYPED_FONT_SIZE" 12
      put_typed_items 1 12; } >"$dir/expected.shi"
    check_file "the settings file of the typed answers" "$dir/expected.shi" "$out/VYRrun.shi"
    cp "$dir/expected.shi" "$E2E_WORK/typed-package.shi"

    press 预览
    # what the player makes of item 12's hotkey byte is the menu cases' concern
    start_up_boxes - "$TYPED_TITLE"
    need_window "$TYPED_TITLE" "$dir" "预览: the menu window opens with the title as its caption"
    check_that "预览 runs the player of the package" running_program "$out/VYRrun.exe"
    vyrdrive key "$TYPED_TITLE" ESCAPE
    check_that "Esc closes the menu" vyrdrive wait-gone "$TYPED_TITLE" 5000
    check "the wizard stays at Finished" "预览 完成" "$(wizard text id:14) $(wizard text id:15)"
    press 完成
    check "完成 ends the wizard with exit code 0" 0 "$(wizard_exit_code)"
    check_file "完成 leaves the settings file" "$dir/expected.shi" "$out/VYRrun.shi"
    check_that "完成 leaves the player, autorun.inf and VYR.ico" \
        test -f "$out/VYRrun.exe" -a -f "$out/autorun.inf" -a -f "$out/VYR.ico"
}

# the names in a folder, on one line
folder_names() { (cd "$1" && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//'); }

# Back from WindowSize to IconChoice, with the whole package written, then 取消.
case_wizard_cancel_at_icon() {
    local dir=$1 out=$1/out
    mkdir -p "$out"
    printf 'mine\r\n' >"$out/own.txt"
    wizard_start "$dir"
    press 确定
    answer 1 "$(winpath "$out")"
    press 下一步
    press 下一步
    press 上一步
    check "back at IconChoice: the icon answer is the package's VYR.ico" "$(winpath "$out")\\VYR.ico" "$(box 1)"
    check "the package is there" "VYR.ico VYRrun.exe VYRrun.shi autorun.inf own.txt" "$(folder_names "$out")"
    press 取消
    check "取消 ends the wizard with exit code 0" 0 "$(wizard_exit_code)"
    check "取消 removes the four package files and nothing else" "own.txt" "$(folder_names "$out")"
}

# Two items to Finished, Back to item 2, then 取消; the icon was copied from
# a file elsewhere, which stays.
case_wizard_cancel_at_item() {
    local dir=$1 out=$1/out icon=$1/icons/disc.ico win
    mkdir -p "$out" "$dir/icons"
    cp "$E2E_ROOT/assets/player.ico" "$icon"
    win=$(winpath "$out")
    wizard_start "$dir"
    press 确定
    answer 1 "$win"
    press 下一步
    answer 1 "$(winpath "$icon")"
    press 下一步
    check_file "the chosen icon is copied as VYR.ico" "$icon" "$out/VYR.ico"
    press 下一步    # to MenuTitle
    press 下一步    # to MenuAuthor
    press 下一步    # to MenuFont
    FONT=$(wizard text class:ComboBox)
    press 下一步    # to MenuFontSize
    press 下一步    # to ItemCount
    answer 1 2
    press 下一步
    answer 1 "第一项"
    press 下一步
    answer 1 "第二项"
    hotkey F5
    press 下一步
    check "two items entered: Finished" "预览 完成" "$(wizard text id:14) $(wizard text id:15)"
    press 上一步
    check "back from Finished: the prompt for item 2" "    请输入第2个菜单的参数：" "$(prompt)"
    check "back from Finished: the buttons read 下一步 and 取消" "下一步 取消" "$(wizard text id:14) $(wizard text id:15)"
    check "back from Finished: item 2 restored, its empty path as the folder" "第二项|$win|F5" "$(box 1)|$(box 2)|$(box 3)"
    { put_header; put_basic 800 600 "$DEFAULT_TITLE" "VYR软件工作室倾情奉献" "$FONT" 18 2
      put_item 1 "第一项" "" " "; } >"$dir/expected.shi"
    check_file "back from Finished: item 2's lines are out of the file" "$dir/expected.shi" "$out/VYRrun.shi"
    press 取消
    check "取消 ends the wizard with exit code 0" 0 "$(wizard_exit_code)"
    check "取消 at ItemEntry removes the four package files" "" "$(folder_names "$out")"
    check_file "the icon it was copied from stays" "$E2E_ROOT/assets/player.ico" "$icon"
}
