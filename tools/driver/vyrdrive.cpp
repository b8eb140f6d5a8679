// vyrdrive - operates the windows of programs running in the same Wine prefix.
//
// One command per invocation. Texts go in and out as UTF-8 (arguments arrive as
// UTF-16 through wmain; output is written as raw UTF-8 bytes with WriteFile).
// Exit status: 0 success, 1 failure, 2 usage error, 3 timeout.
//
// Windows are named by:
//   CAPTION            exact caption of a visible top-level window
//   #class:NAME        window class of a visible top-level window
//   #hwnd:0xHEX, 0xHEX a handle printed by wait-window
//   #contains:TEXT     caption containing TEXT
//   #pid:N             first visible top-level window of a process
// Controls (searched among all descendants of the window) are named by:
//   id:N               control id (compared as 16-bit, so id:65535 == id:-1)
//   text:CAPTION       button with that caption (also matches with '&' removed);
//                      falls back to any control with that text
//   class:NAME[#N]     Nth (1-based) visible control of that class
//   at:X,Y             smallest visible control containing that client point
//   #hwnd:0xHEX, 0xHEX a handle
//
// Global option before the command: -t MS (or --wait MS) sets how long commands
// that are not themselves waits keep looking for their window/control
// (default 5000; the VYRDRIVE_WAIT environment variable does the same).
//
// Notes on how this behaves under Wine (8.0, X11 driver, no window manager):
// * WM_GETTEXT/WM_SETTEXT are marshalled across processes by SendMessage*, so
//   control texts are read/written with SendMessageTimeoutW. Top-level captions
//   are matched with InternalGetWindowText (server-side text, never blocks).
// * Posted input is synchronised by "flushing": a few SendMessageTimeout(WM_NULL)
//   round trips to the target thread. Sent messages are handled before posted
//   ones, so one round trip per posted message (plus one) guarantees that the
//   posted messages have been dispatched. A handler that goes modal (message box)
//   still pumps sent messages, so the flush never hangs on it.
// * Keyboard modifiers: posted WM_KEYDOWN/UP (of the modifier keys too) never
//   change the key state the target reads with GetKeyState, and SetKeyboardState
//   alone only changes our own thread's state. What works: attach our input to
//   the target thread (AttachThreadInput), SetKeyboardState, post the keys,
//   flush, release the modifiers, detach. "down" alone leaves them pressed.
// * F10 and any key with alt are posted as WM_SYSKEYDOWN/WM_SYSKEYUP, with the
//   context bit (29) set when alt is held, as Windows does.
// * "real" (key, mouse) sends SendInput input instead of posting. It works with
//   the harness's unmanaged windows after SetForegroundWindow, which Wine grants
//   to another process; keys then reach the focus of the foreground window.
// * mouse also moves the cursor (SetCursorPos) to the point it posts, so that
//   GetCursorPos and TrackMouseEvent in the target agree with the messages
//   (otherwise Wine's tracking sends WM_MOUSELEAVE at once).
// * Message boxes are dialogs of class #32770 whose text is the static control
//   with id 65535 (the icon is a static with id 1088); the OK button is id 1.
// * A process started by `run` inherits every inheritable handle, and an
//   inherited handle to our stdout keeps the Unix pipe behind it open in the
//   wineserver for the child's lifetime, so `run` marks its own standard
//   handles non-inheritable. Wine also always gives the child our Unix stderr.

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

enum ExitCode { kOk = 0, kFail = 1, kUsage = 2, kTimeout = 3 };

const DWORD kDefaultTimeout = 10000;
DWORD g_findWait = 5000;
const DWORD kPoll = 20;

// ---------------------------------------------------------------- text I/O

std::string toUtf8(const std::wstring& w) {
    if (w.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), &s[0], n, nullptr, nullptr);
    return s;
}

void writeRaw(DWORD which, const std::string& s) {
    HANDLE h = GetStdHandle(which);
    if (h == INVALID_HANDLE_VALUE || h == nullptr) return;
    size_t off = 0;
    while (off < s.size()) {
        DWORD done = 0;
        if (!WriteFile(h, s.data() + off, (DWORD)(s.size() - off), &done, nullptr) || done == 0) break;
        off += done;
    }
}

std::wstring crlfToLf(const std::wstring& w) {
    std::wstring r;
    r.reserve(w.size());
    for (size_t i = 0; i < w.size(); ++i) {
        if (w[i] == L'\r' && i + 1 < w.size() && w[i + 1] == L'\n') continue;
        r += w[i];
    }
    return r;
}

// One line of output (CRLF folded to LF, newline appended).
void out(const std::wstring& w) { writeRaw(STD_OUTPUT_HANDLE, toUtf8(crlfToLf(w)) + "\n"); }

[[noreturn]] void fail(int code, const std::wstring& msg) {
    writeRaw(STD_ERROR_HANDLE, "vyrdrive: " + toUtf8(msg) + "\n");
    ExitProcess(code);
}

std::wstring hex(ULONG_PTR v) {
    wchar_t b[32];
    swprintf(b, 32, L"0x%lX", (unsigned long)v);
    return b;
}

std::wstring num(long v) {
    wchar_t b[32];
    swprintf(b, 32, L"%ld", v);
    return b;
}

// Escapes control characters so that a text fits on one line.
std::wstring oneLine(const std::wstring& w) {
    std::wstring r;
    for (wchar_t c : w) {
        if (c == L'\n') r += L"\\n";
        else if (c == L'\r') r += L"\\r";
        else if (c == L'\t') r += L"\\t";
        else if (c == L'\\') r += L"\\\\";
        else r += c;
    }
    return r;
}

bool startsWith(const std::wstring& s, const wchar_t* p) {
    size_t n = wcslen(p);
    return s.size() >= n && s.compare(0, n, p) == 0;
}

bool parseLong(const std::wstring& s, long* v) {
    if (s.empty()) return false;
    wchar_t* end = nullptr;
    errno = 0;
    long r = wcstol(s.c_str(), &end, 0);
    if (errno || !end || *end) return false;
    *v = r;
    return true;
}

bool parseULongPtr(const std::wstring& s, ULONG_PTR* v) {
    if (s.empty()) return false;
    wchar_t* end = nullptr;
    unsigned long long r = wcstoull(s.c_str(), &end, 0);
    if (!end || *end) return false;
    *v = (ULONG_PTR)r;
    return true;
}

DWORD parseTimeout(const std::vector<std::wstring>& a, size_t i, DWORD def) {
    if (i >= a.size()) return def;
    long v;
    if (!parseLong(a[i], &v) || v < 0) fail(kUsage, L"bad timeout: " + a[i]);
    return (DWORD)v;
}

ULONGLONG now() { return GetTickCount64(); }

// ---------------------------------------------------------------- windows

std::wstring className(HWND h) {
    wchar_t b[256];
    int n = GetClassNameW(h, b, 256);
    return std::wstring(b, n > 0 ? n : 0);
}

// Caption as stored by the window manager side; never sends messages.
std::wstring serverText(HWND h) {
    wchar_t b[1024];
    int n = InternalGetWindowText(h, b, 1024);
    return std::wstring(b, n > 0 ? n : 0);
}

// Text through WM_GETTEXT (works across processes for any control).
std::wstring getText(HWND h) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &len))
        return serverText(h);
    std::vector<wchar_t> buf(len + 64);
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXT, buf.size(), (LPARAM)buf.data(), SMTO_ABORTIFHUNG, 3000, &got))
        return serverText(h);
    buf.back() = 0;
    return std::wstring(buf.data());
}

bool ieq(const std::wstring& a, const std::wstring& b) { return lstrcmpiW(a.c_str(), b.c_str()) == 0; }

std::wstring stripAmp(const std::wstring& s) {
    std::wstring r;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == L'&') {
            if (i + 1 < s.size() && s[i + 1] == L'&') { r += L'&'; ++i; }
            continue;
        }
        r += s[i];
    }
    return r;
}

BOOL CALLBACK collect(HWND h, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
    return TRUE;
}

std::vector<HWND> topLevels() {
    std::vector<HWND> v;
    EnumWindows(collect, (LPARAM)&v);
    return v;
}

// All descendants, parents before their children, siblings in z-order
// (which for controls is creation order).
std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> v;
    EnumChildWindows(parent, collect, (LPARAM)&v);
    return v;
}

// A visible child is one whose whole ancestry up to the top-level is visible.
bool visible(HWND h) { return IsWindowVisible(h) != FALSE; }

bool handleSelector(const std::wstring& s, HWND* out) {
    std::wstring v = s;
    if (startsWith(v, L"#hwnd:")) v = v.substr(6);
    else if (!startsWith(v, L"0x") && !startsWith(v, L"0X")) return false;
    ULONG_PTR p;
    if (!parseULongPtr(v, &p)) return false;
    *out = (HWND)p;
    return true;
}

// Looks once for a top-level window; nullptr if none.
HWND findTopOnce(const std::wstring& selector) {
    HWND h;
    if (handleSelector(selector, &h)) return IsWindow(h) ? h : nullptr;
    bool byClass = startsWith(selector, L"#class:");
    bool byPid = startsWith(selector, L"#pid:");
    bool byPart = startsWith(selector, L"#contains:");
    std::wstring key = byClass ? selector.substr(7) : byPid ? selector.substr(5) : byPart ? selector.substr(10) : selector;
    long pid = 0;
    if (byPid && !parseLong(key, &pid)) fail(kUsage, L"bad pid: " + key);
    for (HWND w : topLevels()) {
        if (!visible(w)) continue;
        if (byClass) {
            if (className(w) == key) return w;
        } else if (byPart) {
            if (serverText(w).find(key) != std::wstring::npos) return w;
        } else if (byPid) {
            DWORD p = 0;
            GetWindowThreadProcessId(w, &p);
            if ((long)p == pid) return w;
        } else if (serverText(w) == key) {
            return w;
        }
    }
    return nullptr;
}

HWND waitTop(const std::wstring& selector, DWORD timeout) {
    ULONGLONG end = now() + timeout;
    for (;;) {
        HWND h = findTopOnce(selector);
        if (h) return h;
        if (now() >= end) fail(kTimeout, L"no window \"" + selector + L"\" after " + num(timeout) + L" ms");
        Sleep(kPoll);
    }
}

RECT clientRectIn(HWND ctl, HWND top) {
    RECT r;
    GetWindowRect(ctl, &r);
    MapWindowPoints(HWND_DESKTOP, top, (POINT*)&r, 2);
    return r;
}

bool sameId(HWND h, long id) { return LOWORD(GetDlgCtrlID(h)) == LOWORD(id); }

HWND findControlOnce(HWND top, const std::wstring& selector) {
    HWND h;
    if (handleSelector(selector, &h)) return IsWindow(h) ? h : nullptr;
    std::vector<HWND> all = descendants(top);
    if (startsWith(selector, L"id:")) {
        long id;
        if (!parseLong(selector.substr(3), &id)) fail(kUsage, L"bad control id: " + selector);
        HWND hidden = nullptr;
        for (HWND c : all) {
            if (!sameId(c, id)) continue;
            if (visible(c)) return c;
            if (!hidden) hidden = c;
        }
        return hidden;
    }
    if (startsWith(selector, L"text:")) {
        std::wstring want = selector.substr(5);
        HWND other = nullptr;
        for (int pass = 0; pass < 2; ++pass) {
            for (HWND c : all) {
                if (!visible(c)) continue;
                std::wstring t = getText(c);
                bool match = pass == 0 ? t == want : stripAmp(t) == want;
                if (!match) continue;
                if (ieq(className(c), L"Button")) return c;
                if (!other) other = c;
            }
        }
        return other;
    }
    if (startsWith(selector, L"class:")) {
        std::wstring cls = selector.substr(6);
        long nth = 1;
        size_t hash = cls.rfind(L'#');
        if (hash != std::wstring::npos && hash > 0) {
            if (!parseLong(cls.substr(hash + 1), &nth) || nth < 1) fail(kUsage, L"bad index in " + selector);
            cls = cls.substr(0, hash);
        }
        for (HWND c : all) {
            if (!visible(c) || !ieq(className(c), cls)) continue;
            if (--nth == 0) return c;
        }
        return nullptr;
    }
    if (startsWith(selector, L"at:")) {
        std::wstring xy = selector.substr(3);
        size_t comma = xy.find(L',');
        long x, y;
        if (comma == std::wstring::npos || !parseLong(xy.substr(0, comma), &x) || !parseLong(xy.substr(comma + 1), &y))
            fail(kUsage, L"bad point: " + selector);
        HWND best = nullptr;
        long bestArea = 0;
        for (HWND c : all) {
            if (!visible(c)) continue;
            RECT r = clientRectIn(c, top);
            if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) continue;
            long area = (r.right - r.left) * (r.bottom - r.top);
            // ">=" so that among equal rectangles the later (deeper) one wins
            if (!best || area <= bestArea) { best = c; bestArea = area; }
        }
        return best;
    }
    fail(kUsage, L"bad control \"" + selector + L"\" (use id:N, text:CAPTION, class:NAME#N, at:X,Y)");
}

HWND waitControl(HWND top, const std::wstring& selector, DWORD timeout) {
    ULONGLONG end = now() + timeout;
    for (;;) {
        if (!IsWindow(top)) fail(kFail, L"window " + hex((ULONG_PTR)top) + L" is gone");
        HWND h = findControlOnce(top, selector);
        if (h) return h;
        if (now() >= end) fail(kTimeout, L"no control \"" + selector + L"\" after " + num(timeout) + L" ms");
        Sleep(kPoll);
    }
}

// Waits until every message posted to the thread of `h` before this call has
// been dispatched (see the note at the top). `posted` is how many messages
// were posted; a couple of extra round trips cover messages the handlers post.
void flush(HWND h, int posted) {
    for (int i = 0; i < posted + 2; ++i) {
        DWORD_PTR r;
        if (!IsWindow(h)) return;
        if (!SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &r)) return;
    }
}

// ---------------------------------------------------------------- message boxes

bool isMessageBox(HWND w) {
    if (!visible(w) || className(w) != L"#32770") return false;
    bool text = false, button = false;
    for (HWND c : descendants(w)) {
        std::wstring cls = className(c);
        if (ieq(cls, L"Static")) {
            if (LOWORD(GetDlgCtrlID(c)) == 0xFFFF) text = true;
        } else if (ieq(cls, L"Button")) {
            int id = GetDlgCtrlID(c);
            if (id >= IDOK && id <= 11) button = true;
        } else {
            return false;  // an edit, list, ... : a dialog, not a message box
        }
    }
    return text && button;
}

// Waits for a message box, with that caption if one is given.
HWND waitMessageBox(DWORD timeout, const std::wstring* caption) {
    ULONGLONG end = now() + timeout;
    for (;;) {
        for (HWND w : topLevels())
            if (isMessageBox(w) && (!caption || serverText(w) == *caption)) return w;
        if (now() >= end) fail(kTimeout, L"no message box after " + num(timeout) + L" ms");
        Sleep(kPoll);
    }
}

std::wstring messageBoxText(HWND box) {
    for (HWND c : descendants(box))
        if (ieq(className(c), L"Static") && LOWORD(GetDlgCtrlID(c)) == 0xFFFF) return getText(c);
    return std::wstring();
}

// ---------------------------------------------------------------- actions

void clickButton(HWND btn) {
    if (!IsWindowEnabled(btn)) fail(kFail, L"control " + hex((ULONG_PTR)btn) + L" (\"" + getText(btn) + L"\") is disabled");
    if (!PostMessageW(btn, BM_CLICK, 0, 0)) fail(kFail, L"PostMessage(BM_CLICK) failed");
    flush(btn, 1);
}

void waitGoneHwnd(HWND h, DWORD timeout, const std::wstring& what) {
    ULONGLONG end = now() + timeout;
    while (IsWindow(h) && visible(h)) {
        if (now() >= end) fail(kTimeout, what + L" still there after " + num(timeout) + L" ms");
        Sleep(kPoll);
    }
}

struct KeyName { const wchar_t* name; UINT vk; };
const KeyName kKeys[] = {
    {L"BACK", VK_BACK}, {L"BACKSPACE", VK_BACK}, {L"TAB", VK_TAB}, {L"RETURN", VK_RETURN},
    {L"ENTER", VK_RETURN}, {L"SHIFT", VK_SHIFT}, {L"CONTROL", VK_CONTROL}, {L"CTRL", VK_CONTROL},
    {L"MENU", VK_MENU}, {L"ALT", VK_MENU}, {L"PAUSE", VK_PAUSE}, {L"ESCAPE", VK_ESCAPE},
    {L"ESC", VK_ESCAPE}, {L"SPACE", VK_SPACE}, {L"PRIOR", VK_PRIOR}, {L"PGUP", VK_PRIOR},
    {L"NEXT", VK_NEXT}, {L"PGDN", VK_NEXT}, {L"END", VK_END}, {L"HOME", VK_HOME},
    {L"LEFT", VK_LEFT}, {L"UP", VK_UP}, {L"RIGHT", VK_RIGHT}, {L"DOWN", VK_DOWN},
    {L"INSERT", VK_INSERT}, {L"INS", VK_INSERT}, {L"DELETE", VK_DELETE}, {L"DEL", VK_DELETE},
    {L"APPS", VK_APPS},
};

UINT parseVk(const std::wstring& s) {
    std::wstring u = s;
    for (auto& c : u) c = towupper(c);
    if (startsWith(u, L"VK_")) u = u.substr(3);
    for (const auto& k : kKeys)
        if (u == k.name) return k.vk;
    if (u.size() == 1 && ((u[0] >= L'A' && u[0] <= L'Z') || (u[0] >= L'0' && u[0] <= L'9'))) return u[0];
    if (u.size() >= 2 && u[0] == L'F') {
        long n;
        if (parseLong(u.substr(1), &n) && n >= 1 && n <= 24) return VK_F1 + (UINT)(n - 1);
    }
    long v;
    if (parseLong(s, &v) && v > 0 && v < 256) return (UINT)v;
    fail(kUsage, L"unknown key: " + s);
}

bool isExtended(UINT vk) {
    switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP:
    case VK_RIGHT: case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_APPS:
        return true;
    }
    return false;
}

LPARAM keyLParam(UINT vk, bool up, bool alt) {
    UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) & 0xFF;
    LPARAM l = 1 | (scan << 16);
    if (isExtended(vk)) l |= 1 << 24;
    if (alt) l |= 1 << 29;
    if (up) l |= (1u << 30) | (1u << 31);
    return l;
}

// Posts one key transition the way the system would deliver it.
void postKey(HWND target, UINT vk, bool up, bool alt) {
    bool sys = alt || vk == VK_F10 || vk == VK_MENU;
    UINT msg = sys ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
    // A lone alt press/release is not itself "alt held" for the context bit on key-up.
    PostMessageW(target, msg, vk, keyLParam(vk, up, alt && !(vk == VK_MENU && up)));
}

// ---------------------------------------------------------------- commands

using Args = std::vector<std::wstring>;

void need(const Args& a, size_t n, const wchar_t* usage) {
    if (a.size() < n) fail(kUsage, std::wstring(L"usage: vyrdrive ") + usage);
}

int cmd_wait_window(const Args& a) {
    need(a, 2, L"wait-window <caption|#class:NAME> [timeout]");
    HWND h = waitTop(a[1], parseTimeout(a, 2, kDefaultTimeout));
    out(hex((ULONG_PTR)h));
    return kOk;
}

int cmd_wait_gone(const Args& a) {
    need(a, 2, L"wait-gone <window> [timeout]");
    DWORD timeout = parseTimeout(a, 2, kDefaultTimeout);
    ULONGLONG end = now() + timeout;
    while (findTopOnce(a[1])) {
        if (now() >= end) fail(kTimeout, L"window \"" + a[1] + L"\" still there after " + num(timeout) + L" ms");
        Sleep(kPoll);
    }
    return kOk;
}

int cmd_list(const Args& a) {
    need(a, 2, L"list <window>");
    HWND top = waitTop(a[1], g_findWait);
    int i = 0;
    for (HWND c : descendants(top)) {
        RECT r = clientRectIn(c, top);
        long id = GetDlgCtrlID(c);
        if (id == -1) id = 65535;  // IDC_STATIC from extended dialog templates
        out(num(i++) + L"\t" + className(c) + L"\t" + num(id) +
            L"\t" + num(r.left) + L"\t" + num(r.top) + L"\t" + num(r.right - r.left) + L"\t" +
            num(r.bottom - r.top) + L"\t" + (visible(c) ? L"1" : L"0") + L"\t" + oneLine(getText(c)));
    }
    return kOk;
}

int cmd_caption(const Args& a) {
    need(a, 2, L"caption <window>");
    out(getText(waitTop(a[1], g_findWait)));
    return kOk;
}

int cmd_text(const Args& a) {
    need(a, 3, L"text <window> <control>");
    HWND top = waitTop(a[1], g_findWait);
    out(getText(waitControl(top, a[2], g_findWait)));
    return kOk;
}

int cmd_wait_text(const Args& a) {
    need(a, 4, L"wait-text <window> <control> <text> [timeout]");
    DWORD timeout = parseTimeout(a, 4, kDefaultTimeout);
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    ULONGLONG end = now() + timeout;
    std::wstring t;
    while ((t = crlfToLf(getText(c))) != a[3]) {
        if (!IsWindow(c)) fail(kFail, L"control is gone");
        if (now() >= end) fail(kTimeout, L"text is \"" + t + L"\", not \"" + a[3] + L"\" after " + num(timeout) + L" ms");
        Sleep(kPoll);
    }
    return kOk;
}

int cmd_set_text(const Args& a) {
    need(a, 4, L"set-text <window> <control> <text>");
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(c, WM_SETTEXT, 0, (LPARAM)a[3].c_str(), SMTO_NORMAL, 5000, &r))
        fail(kFail, L"WM_SETTEXT did not return");
    if (!r) fail(kFail, L"WM_SETTEXT refused");
    return kOk;
}

// Types text into a control as WM_CHAR messages (what TranslateMessage would produce).
int cmd_type(const Args& a) {
    need(a, 4, L"type <window> <control> <text>");
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    for (wchar_t ch : a[3]) PostMessageW(c, WM_CHAR, ch, 1);
    flush(c, (int)a[3].size());
    return kOk;
}

int cmd_click(const Args& a) {
    need(a, 3, L"click <window> <control>");
    HWND top = waitTop(a[1], g_findWait);
    clickButton(waitControl(top, a[2], g_findWait));
    return kOk;
}

int cmd_state(const Args& a) {
    need(a, 3, L"state <window> <control>");
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    DWORD tid = GetWindowThreadProcessId(c, nullptr);
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    bool focused = GetGUIThreadInfo(tid, &gti) && gti.hwndFocus == c;
    DWORD_PTR check = 0;
    if (ieq(className(c), L"Button")) SendMessageTimeoutW(c, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &check);
    out(std::wstring(L"visible=") + (visible(c) ? L"1" : L"0") + L" enabled=" + (IsWindowEnabled(c) ? L"1" : L"0") +
        L" checked=" + num((long)check) + L" focused=" + (focused ? L"1" : L"0"));
    return kOk;
}

bool isCombo(HWND c) { return ieq(className(c), L"ComboBox") || ieq(className(c), L"ComboBoxEx32"); }

int cmd_items(const Args& a) {
    need(a, 3, L"items <window> <control>");
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    bool combo = isCombo(c);
    UINT getCount = combo ? CB_GETCOUNT : LB_GETCOUNT, getLen = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN,
         getText_ = combo ? CB_GETLBTEXT : LB_GETTEXT, getSel = combo ? CB_GETCURSEL : LB_GETCURSEL;
    DWORD_PTR count = 0, sel = (DWORD_PTR)-1;
    if (!SendMessageTimeoutW(c, getCount, 0, 0, SMTO_ABORTIFHUNG, 3000, &count) || (LRESULT)count < 0)
        fail(kFail, L"not a list or combo box");
    SendMessageTimeoutW(c, getSel, 0, 0, SMTO_ABORTIFHUNG, 3000, &sel);
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR len = 0;
        SendMessageTimeoutW(c, getLen, i, 0, SMTO_ABORTIFHUNG, 3000, &len);
        std::vector<wchar_t> buf(len + 64, 0);
        SendMessageTimeoutW(c, getText_, i, (LPARAM)buf.data(), SMTO_ABORTIFHUNG, 3000, nullptr);
        buf.back() = 0;
        out(num((long)i) + L"\t" + (i == sel ? L"*" : L"") + L"\t" + oneLine(buf.data()));
    }
    return kOk;
}

// Selects an item by index and notifies the parent as a user selection would.
int cmd_select(const Args& a) {
    need(a, 4, L"select <window> <control> <index>");
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    long idx;
    if (!parseLong(a[3], &idx)) fail(kUsage, L"bad index: " + a[3]);
    bool combo = isCombo(c);
    DWORD_PTR r = 0;
    SendMessageTimeoutW(c, combo ? CB_SETCURSEL : LB_SETCURSEL, (WPARAM)idx, 0, SMTO_NORMAL, 3000, &r);
    if ((LRESULT)r == -1 && idx != -1) fail(kFail, L"no item " + a[3]);
    WPARAM wp = MAKEWPARAM(GetDlgCtrlID(c), combo ? CBN_SELCHANGE : LBN_SELCHANGE);
    PostMessageW(GetParent(c), WM_COMMAND, wp, (LPARAM)c);
    flush(c, 1);
    return kOk;
}

// Sends real input through SendInput, as a user's mouse or keyboard would.
void sendInputs(std::vector<INPUT>& in) {
    if (!in.empty() && SendInput((UINT)in.size(), in.data(), sizeof(INPUT)) != in.size())
        fail(kFail, L"SendInput failed with error " + num((long)GetLastError()));
}

INPUT mouseInput(DWORD flags) {
    INPUT i = {};
    i.type = INPUT_MOUSE;
    i.mi.dwFlags = flags;
    return i;
}

INPUT keyInput(UINT vk, bool up) {
    INPUT i = {};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = (WORD)vk;
    i.ki.wScan = (WORD)MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    i.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (isExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return i;
}

// Brings a top-level window to the front so that real input reaches it.
void activate(HWND top) {
    SetForegroundWindow(top);
    ULONGLONG end = now() + 2000;
    while (GetForegroundWindow() != top && now() < end) {
        Sleep(kPoll);
        SetForegroundWindow(top);
    }
    if (GetForegroundWindow() != top) fail(kFail, L"cannot bring " + hex((ULONG_PTR)top) + L" to the front");
}

// key <window> <vk> [down|up|both] [ctrl|shift|alt ...] [to=<control>] [real]
int cmd_key(const Args& a) {
    need(a, 3, L"key <window> <vk> [down|up|both] [ctrl|shift|alt ...] [to=<control>] [real]");
    HWND top = waitTop(a[1], g_findWait);
    UINT vk = parseVk(a[2]);
    bool down = true, up = true, ctrl = false, shift = false, alt = false, real = false;
    HWND target = nullptr;
    for (size_t i = 3; i < a.size(); ++i) {
        const std::wstring& s = a[i];
        if (s == L"down") { down = true; up = false; }
        else if (s == L"up") { down = false; up = true; }
        else if (s == L"both") { down = up = true; }
        else if (s == L"ctrl" || s == L"control") ctrl = true;
        else if (s == L"shift") shift = true;
        else if (s == L"alt") alt = true;
        else if (s == L"real") real = true;
        else if (startsWith(s, L"to=")) target = waitControl(top, s.substr(3), g_findWait);
        else fail(kUsage, L"bad key option: " + s);
    }
    DWORD tid = GetWindowThreadProcessId(top, nullptr);
    if (real) {
        // Real keyboard input goes to the focus of the foreground window.
        activate(top);
        if (target && AttachThreadInput(GetCurrentThreadId(), tid, TRUE)) {
            SetFocus(target);
            AttachThreadInput(GetCurrentThreadId(), tid, FALSE);
        }
        std::vector<INPUT> in;
        if (down) {
            if (ctrl) in.push_back(keyInput(VK_CONTROL, false));
            if (shift) in.push_back(keyInput(VK_SHIFT, false));
            if (alt) in.push_back(keyInput(VK_MENU, false));
            in.push_back(keyInput(vk, false));
        }
        if (up) {
            in.push_back(keyInput(vk, true));
            if (alt) in.push_back(keyInput(VK_MENU, true));
            if (shift) in.push_back(keyInput(VK_SHIFT, true));
            if (ctrl) in.push_back(keyInput(VK_CONTROL, true));
        }
        sendInputs(in);
        flush(top, (int)in.size() * 2);
        return kOk;
    }
    if (!target) {
        GUITHREADINFO gti = {};
        gti.cbSize = sizeof gti;
        if (GetGUIThreadInfo(tid, &gti) && gti.hwndFocus && (gti.hwndFocus == top || IsChild(top, gti.hwndFocus)))
            target = gti.hwndFocus;
        else
            target = top;
    }

    // Modifier state: attach to the target's input so that SetKeyboardState
    // changes the key state its GetKeyState reads, and keep it until the
    // posted messages have been handled.
    bool mods = ctrl || shift || alt;
    bool attached = false;
    BYTE saved[256] = {0};
    if (mods) {
        attached = AttachThreadInput(GetCurrentThreadId(), tid, TRUE) != FALSE;
        GetKeyboardState(saved);
        BYTE ks[256];
        memcpy(ks, saved, sizeof ks);
        auto press = [&](UINT k, bool on) { ks[k] = on ? 0x80 : 0; };
        if (ctrl) { press(VK_CONTROL, true); press(VK_LCONTROL, true); }
        if (shift) { press(VK_SHIFT, true); press(VK_LSHIFT, true); }
        if (alt) { press(VK_MENU, true); press(VK_LMENU, true); }
        SetKeyboardState(ks);
    }
    int posted = 0;
    if (down) {
        if (ctrl) { postKey(target, VK_CONTROL, false, alt); ++posted; }
        if (shift) { postKey(target, VK_SHIFT, false, alt); ++posted; }
        if (alt) { postKey(target, VK_MENU, false, true); ++posted; }
        postKey(target, vk, false, alt); ++posted;
    }
    if (up) {
        postKey(target, vk, true, alt); ++posted;
        if (alt) { postKey(target, VK_MENU, true, true); ++posted; }
        if (shift) { postKey(target, VK_SHIFT, true, false); ++posted; }
        if (ctrl) { postKey(target, VK_CONTROL, true, false); ++posted; }
    }
    flush(target, posted);
    if (mods) {
        if (up) {  // release our modifiers; "down" alone leaves them pressed
            const UINT keys[] = {VK_CONTROL, VK_LCONTROL, VK_SHIFT, VK_LSHIFT, VK_MENU, VK_LMENU};
            BYTE ks[256];
            GetKeyboardState(ks);
            for (UINT k : keys)
                if ((k == VK_CONTROL || k == VK_LCONTROL) ? ctrl : (k == VK_SHIFT || k == VK_LSHIFT) ? shift : alt)
                    ks[k] = saved[k] & 0x01;  // keep the toggle bit only
            SetKeyboardState(ks);
        }
        if (attached) AttachThreadInput(GetCurrentThreadId(), tid, FALSE);
    }
    return kOk;
}

// mouse <window> <control> X Y [left|right|double|move] [real]
int cmd_mouse(const Args& a) {
    need(a, 5, L"mouse <window> <control> X Y [left|right|double|move] [real]");
    HWND top = waitTop(a[1], g_findWait);
    HWND c = waitControl(top, a[2], g_findWait);
    long x, y;
    if (!parseLong(a[3], &x) || !parseLong(a[4], &y)) fail(kUsage, L"bad coordinates");
    std::wstring kind = L"left";
    bool real = false;
    for (size_t i = 5; i < a.size(); ++i) {
        if (a[i] == L"real") real = true;
        else if (a[i] == L"left" || a[i] == L"right" || a[i] == L"double" || a[i] == L"move") kind = a[i];
        else fail(kUsage, L"bad mouse option: " + a[i]);
    }
    // Put the cursor there too: programs that ask GetCursorPos, or track the
    // mouse with TrackMouseEvent, then agree with the messages.
    POINT sp = {x, y};
    ClientToScreen(c, &sp);
    SetCursorPos(sp.x, sp.y);
    if (real) {
        activate(top);
        std::vector<INPUT> in;
        in.push_back(mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE));
        in.back().mi.dx = (LONG)((sp.x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
        in.back().mi.dy = (LONG)((sp.y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
        int clicks = kind == L"double" ? 2 : kind == L"move" ? 0 : 1;
        DWORD down = kind == L"right" ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        DWORD up = kind == L"right" ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        for (int i = 0; i < clicks; ++i) {
            in.push_back(mouseInput(down));
            in.push_back(mouseInput(up));
        }
        sendInputs(in);
        flush(c, (int)in.size() * 2);
        return kOk;
    }
    LPARAM pt = MAKELPARAM((short)x, (short)y);
    int posted = 1;
    PostMessageW(c, WM_MOUSEMOVE, 0, pt);
    if (kind == L"left" || kind == L"double") {
        PostMessageW(c, WM_LBUTTONDOWN, MK_LBUTTON, pt);
        PostMessageW(c, WM_LBUTTONUP, 0, pt);
        posted += 2;
        if (kind == L"double") {
            PostMessageW(c, WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
            PostMessageW(c, WM_LBUTTONUP, 0, pt);
            posted += 2;
        }
    } else if (kind == L"right") {
        PostMessageW(c, WM_RBUTTONDOWN, MK_RBUTTON, pt);
        PostMessageW(c, WM_RBUTTONUP, 0, pt);
        PostMessageW(c, WM_CONTEXTMENU, (WPARAM)c, MAKELPARAM((short)sp.x, (short)sp.y));
        posted += 3;
    }
    flush(c, posted);
    return kOk;
}

// windows: every visible top-level window: handle, pid, class, caption.
int cmd_windows(const Args&) {
    for (HWND w : topLevels()) {
        if (!visible(w)) continue;
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        out(hex((ULONG_PTR)w) + L"\t" + num((long)pid) + L"\t" + className(w) + L"\t" + oneLine(serverText(w)));
    }
    return kOk;
}

// msgbox[-ok] [timeout] [caption]
int cmd_msgbox(const Args& a, bool pressOk) {
    DWORD timeout = parseTimeout(a, 1, kDefaultTimeout);
    HWND box = waitMessageBox(timeout, a.size() > 2 ? &a[2] : nullptr);
    out(getText(box));
    out(messageBoxText(box));
    if (pressOk) {
        HWND ok = nullptr;
        for (HWND c : descendants(box))
            if (ieq(className(c), L"Button") && GetDlgCtrlID(c) == IDOK) ok = c;
        if (!ok) fail(kFail, L"message box has no OK button");
        clickButton(ok);
        waitGoneHwnd(box, timeout, L"message box");
    }
    return kOk;
}

// msgbox-click <control> [timeout] [caption]: presses another button
// (id:6 for Yes, id:7 for No, text:Retry, ...).
int cmd_msgbox_click(const Args& a) {
    need(a, 2, L"msgbox-click <control> [timeout] [caption]");
    DWORD timeout = parseTimeout(a, 2, kDefaultTimeout);
    HWND box = waitMessageBox(timeout, a.size() > 3 ? &a[3] : nullptr);
    out(getText(box));
    out(messageBoxText(box));
    clickButton(waitControl(box, a[1], g_findWait));
    waitGoneHwnd(box, timeout, L"message box");
    return kOk;
}

int cmd_close(const Args& a) {
    need(a, 2, L"close <window>");
    HWND top = waitTop(a[1], g_findWait);
    if (!PostMessageW(top, WM_CLOSE, 0, 0)) fail(kFail, L"PostMessage(WM_CLOSE) failed");
    return kOk;
}

DWORD pidOf(const std::wstring& selector) {
    long v;
    if (parseLong(selector, &v) && !startsWith(selector, L"0x")) return (DWORD)v;
    DWORD pid = 0;
    GetWindowThreadProcessId(waitTop(selector, g_findWait), &pid);
    return pid;
}

int cmd_pid(const Args& a) {
    need(a, 2, L"pid <window>");
    DWORD pid = 0;
    GetWindowThreadProcessId(waitTop(a[1], g_findWait), &pid);
    out(num((long)pid));
    return kOk;
}

HANDLE openForExit(DWORD pid) {
    HANDLE p = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!p) fail(kFail, L"cannot open process " + num((long)pid) + L" (already exited?)");
    return p;
}

int waitExit(HANDLE p, DWORD pid, DWORD timeout) {
    DWORD w = WaitForSingleObject(p, timeout);
    if (w == WAIT_TIMEOUT) fail(kTimeout, L"process " + num((long)pid) + L" still running after " + num(timeout) + L" ms");
    if (w != WAIT_OBJECT_0) fail(kFail, L"wait failed");
    DWORD code = 0;
    GetExitCodeProcess(p, &code);
    CloseHandle(p);
    wchar_t b[32];
    swprintf(b, 32, L"%lu", (unsigned long)code);
    out(b);
    return kOk;
}

int cmd_wait_exit(const Args& a) {
    need(a, 2, L"wait-exit <pid|window> [timeout]");
    DWORD pid = pidOf(a[1]);
    return waitExit(openForExit(pid), pid, parseTimeout(a, 2, kDefaultTimeout));
}

int dispatch(const Args& a);

// expect-exit <pid|window> <timeout> <command...>: opens the process first, runs
// the command (e.g. close, click, msgbox-ok), then waits for the process to end
// and prints its exit code. Avoids the race of a separate wait-exit.
int cmd_expect_exit(const Args& a) {
    need(a, 4, L"expect-exit <pid|window> <timeout> <command> [args...]");
    DWORD pid = pidOf(a[1]);
    DWORD timeout = parseTimeout(a, 2, kDefaultTimeout);
    HANDLE p = openForExit(pid);
    int rc = dispatch(Args(a.begin() + 3, a.end()));
    if (rc != kOk) return rc;
    return waitExit(p, pid, timeout);
}

std::wstring quoteArg(const std::wstring& s) {
    if (!s.empty() && s.find_first_of(L" \t\"") == std::wstring::npos) return s;
    std::wstring r = L"\"";
    size_t bs = 0;
    for (wchar_t c : s) {
        if (c == L'\\') { ++bs; continue; }
        if (c == L'"') r.append(bs * 2 + 1, L'\\');
        else r.append(bs, L'\\');
        bs = 0;
        r += c;
    }
    r.append(bs * 2, L'\\');
    return r + L"\"";
}

// run <exe> [timeout] [-- args...]: starts a program in its own folder, prints
// its pid. With a timeout > 0 it also waits for the program's first visible
// top-level window.
int cmd_run(const Args& a) {
    need(a, 2, L"run <exe> [timeout] [-- args...]");
    std::wstring exe = a[1];
    if (!exe.empty() && exe[0] == L'/') {  // a Unix path: Wine's Z: drive is the root
        for (auto& c : exe) if (c == L'/') c = L'\\';
        exe = L"Z:" + exe;
    }
    DWORD timeout = 0;
    size_t i = 2;
    if (i < a.size() && a[i] != L"--") timeout = parseTimeout(a, i++, 0);
    std::wstring cmdline = quoteArg(exe);
    if (i < a.size() && a[i] == L"--")
        for (++i; i < a.size(); ++i) cmdline += L" " + quoteArg(a[i]);

    wchar_t full[MAX_PATH * 4];
    wchar_t* filePart = nullptr;
    if (!GetFullPathNameW(exe.c_str(), MAX_PATH * 4, full, &filePart)) fail(kFail, L"bad path: " + exe);
    std::wstring dir(full, filePart ? filePart - full : wcslen(full));
    if (GetFileAttributesW(full) == INVALID_FILE_ATTRIBUTES) fail(kFail, std::wstring(L"no such program: ") + full);

    // Give the child NUL for its standard handles, and do not let it inherit
    // ours: under Wine an inherited handle keeps the Unix pipe behind our stdout
    // (usually a $(...) of the test script) open in the wineserver until the
    // child ends. (Wine always hands the child our Unix stderr, whatever its
    // handles say; the harness's vyrdrive wrapper deals with that.)
    const DWORD stdIds[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    for (DWORD id : stdIds) {
        HANDLE h = GetStdHandle(id);
        if (h && h != INVALID_HANDLE_VALUE) SetHandleInformation(h, HANDLE_FLAG_INHERIT, 0);
    }
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE nul = CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                             OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = si.hStdOutput = si.hStdError = nul;
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> cl(cmdline.begin(), cmdline.end());
    cl.push_back(0);
    if (!CreateProcessW(full, cl.data(), nullptr, nullptr, TRUE, 0, nullptr, dir.c_str(), &si, &pi))
        fail(kFail, L"CreateProcess failed with error " + num((long)GetLastError()));
    CloseHandle(nul);
    out(num((long)pi.dwProcessId));
    if (timeout > 0) {
        ULONGLONG end = now() + timeout;
        std::wstring selector = L"#pid:" + num((long)pi.dwProcessId);
        while (!findTopOnce(selector)) {
            if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
                DWORD code = 0;
                GetExitCodeProcess(pi.hProcess, &code);
                fail(kFail, L"program exited with code " + num((long)code) + L" before showing a window");
            }
            if (now() >= end) fail(kTimeout, L"program showed no window after " + num(timeout) + L" ms");
            Sleep(kPoll);
        }
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return kOk;
}

const wchar_t kUsageText[] =
    L"usage: vyrdrive [-t MS] <command> [args]\n"
    L"  wait-window <caption|#class:NAME> [timeout]   print HWND when visible\n"
    L"  wait-gone <window> [timeout]\n"
    L"  list <window>                                 idx class id x y w h visible text\n"
    L"  caption <window>\n"
    L"  text <window> <control>\n"
    L"  wait-text <window> <control> <text> [timeout]\n"
    L"  set-text <window> <control> <text>\n"
    L"  type <window> <control> <text>\n"
    L"  click <window> <control>\n"
    L"  state <window> <control>                      visible enabled checked focused\n"
    L"  items <window> <control>                      list/combo box items\n"
    L"  select <window> <control> <index>\n"
    L"  key <window> <vk> [down|up|both] [ctrl|shift|alt ...] [to=<control>] [real]\n"
    L"  mouse <window> <control> X Y [left|right|double|move] [real]\n"
    L"  windows                                       visible top-level windows\n"
    L"  msgbox [timeout] [caption]                    print caption, then text\n"
    L"  msgbox-ok [timeout] [caption]                 ... and press OK\n"
    L"  msgbox-click <control> [timeout] [caption]    ... and press that button\n"
    L"  close <window>\n"
    L"  pid <window>\n"
    L"  wait-exit <pid|window> [timeout]\n"
    L"  expect-exit <pid|window> <timeout> <command> [args...]\n"
    L"  run <exe> [timeout] [-- args...]\n"
    L"window: CAPTION | #class:NAME | #contains:TEXT | #pid:N | 0xHWND\n"
    L"control: id:N | text:CAPTION | class:NAME[#N] | at:X,Y | 0xHWND\n";

int dispatch(const Args& a) {
    if (a.empty()) fail(kUsage, kUsageText);
    const std::wstring& c = a[0];
    if (c == L"wait-window") return cmd_wait_window(a);
    if (c == L"wait-gone") return cmd_wait_gone(a);
    if (c == L"list") return cmd_list(a);
    if (c == L"caption") return cmd_caption(a);
    if (c == L"text") return cmd_text(a);
    if (c == L"wait-text") return cmd_wait_text(a);
    if (c == L"set-text") return cmd_set_text(a);
    if (c == L"type") return cmd_type(a);
    if (c == L"click") return cmd_click(a);
    if (c == L"state") return cmd_state(a);
    if (c == L"items") return cmd_items(a);
    if (c == L"select") return cmd_select(a);
    if (c == L"key") return cmd_key(a);
    if (c == L"mouse") return cmd_mouse(a);
    if (c == L"windows") return cmd_windows(a);
    if (c == L"msgbox") return cmd_msgbox(a, false);
    if (c == L"msgbox-ok") return cmd_msgbox(a, true);
    if (c == L"msgbox-click") return cmd_msgbox_click(a);
    if (c == L"close") return cmd_close(a);
    if (c == L"pid") return cmd_pid(a);
    if (c == L"wait-exit") return cmd_wait_exit(a);
    if (c == L"expect-exit") return cmd_expect_exit(a);
    if (c == L"run") return cmd_run(a);
    if (c == L"help" || c == L"--help" || c == L"-h") {
        writeRaw(STD_OUTPUT_HANDLE, toUtf8(kUsageText));
        return kOk;
    }
    fail(kUsage, L"unknown command: " + c + L"\n" + kUsageText);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    Args a(argv + 1, argv + argc);
    wchar_t env[32];
    if (GetEnvironmentVariableW(L"VYRDRIVE_WAIT", env, 32) > 0) {
        long v;
        if (parseLong(env, &v) && v >= 0) g_findWait = (DWORD)v;
    }
    while (!a.empty() && (a[0] == L"-t" || a[0] == L"--wait")) {
        long v;
        if (a.size() < 2 || !parseLong(a[1], &v) || v < 0) fail(kUsage, L"bad -t value");
        g_findWait = (DWORD)v;
        a.erase(a.begin(), a.begin() + 2);
    }
    return dispatch(a);
}
