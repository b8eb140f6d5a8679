#!/usr/bin/env bash
# Checks the Wine harness and the vyrdrive driver against a throwaway Win32
# program built here. Prints PASS or FAIL; exit status 0 on PASS.
#
#   tools/wine/selftest.sh [WORKDIR]
#
# With WORKDIR the Wine prefix is kept there and reused by later runs;
# without, a temporary one is made and removed. VYRDRIVE_EXE may name an
# already built driver; otherwise it is compiled from tools/driver.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=harness.sh
source "$here/harness.sh"

tmp=$(mktemp -d /tmp/vyr-selftest.XXXXXX)
workdir=${1:-}
own_workdir=0
if [[ -z $workdir ]]; then
    workdir="$tmp/work"
    own_workdir=1
fi

failures=0
verdict=
cleanup() {
    local rc=$?
    [[ -n $verdict ]] || echo "FAIL (aborted, status $rc)"
    wine_harness_stop
    if (( own_workdir )); then rm -rf "$workdir"; fi
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

ms() { _wh_now_ms; }
check() {  # check NAME EXPECTED ACTUAL
    if [[ $2 == "$3" ]]; then
        printf 'ok    %s\n' "$1"
    else
        printf 'FAIL  %s\n      expected: %q\n      actual:   %q\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}
# check_rc NAME EXPECTED_RC COMMAND...
check_rc() {
    local name=$1 want=$2 rc=0
    shift 2
    "$@" >/dev/null 2>&1 || rc=$?
    check "$name" "$want" "$rc"
}

# ---------------------------------------------------------------- test program
cat >"$tmp/app.cpp" <<'EOF'
#include <windows.h>
#include <shellapi.h>
#include <wchar.h>
static HWND g_status, g_edit;
static void status(const wchar_t* s) { SetWindowTextW(g_status, s); }
static LRESULT CALLBACK WndProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    wchar_t b[300];
    switch (m) {
    case WM_CREATE: {
        HFONT f = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"宋体");
        HWND c[5];
        c[0] = CreateWindowW(L"Button", L"确定(&O)", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 100, 30, h, (HMENU)101, 0, 0);
        c[1] = g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 50, 200, 24, h, (HMENU)102, 0, 0);
        c[2] = g_status = CreateWindowW(L"Static", L"就绪", WS_CHILD | WS_VISIBLE, 10, 80, 360, 20, h, (HMENU)103, 0, 0);
        c[3] = CreateWindowExW(WS_EX_CLIENTEDGE, L"ListBox", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 10, 110, 120, 80, h, (HMENU)104, 0, 0);
        c[4] = CreateWindowW(L"ComboBox", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 140, 110, 120, 100, h, (HMENU)105, 0, 0);
        const wchar_t* items[] = {L"甲", L"乙", L"丙"};
        for (auto s : items) {
            SendMessageW(c[3], LB_ADDSTRING, 0, (LPARAM)s);
            SendMessageW(c[4], CB_ADDSTRING, 0, (LPARAM)s);
        }
        for (auto x : c) SendMessageW(x, WM_SETFONT, (WPARAM)f, 0);
        int argc = 0;
        wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
        if (argc > 1) SetWindowTextW(g_edit, argv[1]);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(w) == 101 && HIWORD(w) == BN_CLICKED) {
            wchar_t t[256];
            GetWindowTextW(g_edit, t, 256);
            swprintf(b, 300, L"你好，%ls", t);
            MessageBoxW(h, b, L"提示", MB_OK | MB_ICONINFORMATION);
            status(L"已关闭");
        } else if ((LOWORD(w) == 104 && HIWORD(w) == LBN_SELCHANGE) || (LOWORD(w) == 105 && HIWORD(w) == CBN_SELCHANGE)) {
            swprintf(b, 300, L"sel %d %d", LOWORD(w),
                     (int)SendMessageW((HWND)l, LOWORD(w) == 104 ? LB_GETCURSEL : CB_GETCURSEL, 0, 0));
            status(b);
        }
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (w != VK_CONTROL && w != VK_SHIFT && w != VK_MENU) {
            swprintf(b, 300, L"key %u %ls ctrl=%d shift=%d alt=%d", (unsigned)w, m == WM_SYSKEYDOWN ? L"sys" : L"normal",
                     GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0);
            status(b);
        }
        return 0;
    case WM_SYSKEYUP:
        return 0;
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT t = {sizeof t, TME_LEAVE, h, 0};
        TrackMouseEvent(&t);
        swprintf(b, 300, L"move %d,%d", (short)LOWORD(l), (short)HIWORD(l));
        status(b);
        return 0;
    }
    case WM_MOUSELEAVE:
        status(L"leave");
        return 0;
    case WM_LBUTTONDOWN:
        swprintf(b, 300, L"click %d,%d", (short)LOWORD(l), (short)HIWORD(l));
        status(b);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(7);
        return 0;
    }
    return DefWindowProcW(h, m, w, l);
}
int WINAPI wWinMain(HINSTANCE inst, HINSTANCE, LPWSTR, int show) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(0, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"VyrSelfTest";
    RegisterClassW(&wc);
    HWND h = CreateWindowW(L"VyrSelfTest", L"自检窗口 – 测试", WS_OVERLAPPEDWINDOW, 40, 40, 420, 260, 0, 0, inst, 0);
    ShowWindow(h, show);
    MSG msg;
    while (GetMessageW(&msg, 0, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return (int)msg.wParam;
}
EOF

t_build=$(ms)
i686-w64-mingw32-g++-posix -municode -mwindows -static -Os -s -o "$tmp/app.exe" "$tmp/app.cpp" -lshell32
cp "$tmp/app.exe" "$tmp/测试程序.exe"   # a non-ASCII program name
if [[ -n ${VYRDRIVE_EXE:-} ]]; then
    export VYRDRIVE_EXE
else
    wine_harness_build_driver "$tmp/vyrdrive.exe"
fi
echo "build: $(( $(ms) - t_build )) ms"

# ---------------------------------------------------------------- harness
cold=cold
[[ -f $workdir/prefix/.harness-ready ]] && cold=warm
t_start=$(ms)
wine_harness_start "$workdir"
wine_harness_start "$workdir"   # a second call must be harmless
echo "harness start ($cold prefix): $(( $(ms) - t_start )) ms  DISPLAY=$DISPLAY"

# ---------------------------------------------------------------- case
W="自检窗口 – 测试"
t_case=$(ms)

pid=$(wine_run_bg "$tmp/测试程序.exe" "参数 一")
hwnd=$(vyrdrive wait-window "$W" 20000)
echo "window up after $(( $(ms) - t_case )) ms"
check "wait-window prints a handle" 1 "$([[ $hwnd == 0x* ]] && echo 1 || echo 0)"
check "Unicode argument reaches the program" "参数 一" "$(vyrdrive text "$W" id:102)"
check "caption by class" "$W" "$(vyrdrive caption '#class:VyrSelfTest')"
check "caption by part" "$W" "$(vyrdrive caption '#contains:窗口')"
check "windows" "$hwnd" "$(vyrdrive windows | awk -F'\t' '$3 == "VyrSelfTest" {print $1}')"

listing=$(vyrdrive list "$W")
check "list: button" "0	Button	101	10	10	100	30	1	确定(&O)" "$(sed -n 1p <<<"$listing")"
check "list: edit" "1	Edit	102	10	50	200	24	1	参数 一" "$(sed -n 2p <<<"$listing")"
check "list: count" 5 "$(wc -l <<<"$listing")"

vyrdrive set-text "$W" class:Edit "世界"
check "set-text/text round trip" "世界" "$(vyrdrive text "$W" id:102)"
check "control at point" "世界" "$(vyrdrive text "$W" at:20,60)"

vyrdrive key "$W" A ctrl "to=$hwnd"
check "key with ctrl" "key 65 normal ctrl=1 shift=0 alt=0" "$(vyrdrive text "$W" id:103)"
vyrdrive key "$W" F10 "to=$hwnd"
check "F10 is a system key" "key 121 sys ctrl=0 shift=0 alt=0" "$(vyrdrive text "$W" id:103)"
vyrdrive key "$W" X alt shift "to=$hwnd"
check "key with alt+shift" "key 88 sys ctrl=0 shift=1 alt=1" "$(vyrdrive text "$W" id:103)"
vyrdrive mouse "$W" "$hwnd" 200 150
check "mouse" "click 200,150" "$(vyrdrive text "$W" id:103)"
vyrdrive mouse "$W" "$hwnd" 300 150 move
check "mouse move" "move 300,150" "$(vyrdrive text "$W" id:103)"
check_rc "hover is not left at once" 3 vyrdrive wait-text "$W" id:103 leave 300
vyrdrive mouse "$W" "$hwnd" 210 140 real
check "real mouse click" "click 210,140" "$(vyrdrive text "$W" id:103)"
vyrdrive key "$W" B ctrl real "to=$hwnd"
check "real key with ctrl" "key 66 normal ctrl=1 shift=0 alt=0" "$(vyrdrive text "$W" id:103)"
vyrdrive key "$W" Z ctrl "to=$hwnd"
check "modifiers released after real keys" "key 90 normal ctrl=1 shift=0 alt=0" "$(vyrdrive text "$W" id:103)"
vyrdrive key "$W" Z "to=$hwnd"
check "modifiers released after posted keys" "key 90 normal ctrl=0 shift=0 alt=0" "$(vyrdrive text "$W" id:103)"

vyrdrive select "$W" class:ListBox 1
check "select in list box" "sel 104 1" "$(vyrdrive text "$W" id:103)"
check "combo items" "1		乙" "$(vyrdrive items "$W" class:ComboBox | sed -n 2p)"

vyrdrive click "$W" "text:确定(O)"
check "msgbox" "提示
你好，世界" "$(vyrdrive msgbox)"
wine_harness_screenshot "$tmp/shot.png"
check "screenshot is not blank" 1 \
    "$(convert "$tmp/shot.png" -format '%[fx:mean>0.01]' info: 2>/dev/null || echo error)"
check_rc "msgbox with another caption" 3 vyrdrive msgbox 200 "别的"
check "msgbox-ok" "提示
你好，世界" "$(vyrdrive msgbox-ok 5000 提示)"
check_rc "no message box left" 3 vyrdrive msgbox 200
check_rc "wait-text after the box" 0 vyrdrive wait-text "$W" id:103 "已关闭" 5000

check_rc "missing control times out" 3 vyrdrive -t 200 text "$W" id:999
check_rc "missing window times out" 3 vyrdrive wait-window "没有这个窗口" 200

winpid=$(vyrdrive pid "$W")
check_rc "wait-exit times out while running" 3 vyrdrive wait-exit "$winpid" 200
vyrdrive close "$W"
check "exit code via wine_run_bg" 7 "$(wine_wait_bg "$pid" 10)"
check_rc "wait-gone" 0 vyrdrive wait-gone "$W" 5000
echo "case: $(( $(ms) - t_case )) ms"

# a second instance through the driver's run, stderr piped as tests often do
t_run=$(ms)
p2=$(vyrdrive run "$tmp/app.exe" 10000 -- "第二 个" 2>&1 | cat)
echo "run: $(( $(ms) - t_run )) ms"
check_rc "run: argument and window" 0 vyrdrive wait-text "#pid:$p2" id:102 "第二 个" 5000
check "expect-exit after close" 7 "$(vyrdrive expect-exit "$p2" 5000 close "#pid:$p2")"

if (( failures == 0 )); then
    verdict=PASS
else
    verdict="FAIL ($failures)"
fi
echo "$verdict"
[[ $verdict == PASS ]]
