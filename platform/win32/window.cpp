// The program's one window on Win32: made from its template, every control a
// child window subclassed so that its clicks and keys reach the handlers.

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>

#include <map>
#include <vector>

#include "platform/system.h"
#include "platform/win32/custom_controls.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gbk.h"
#include "platform/win32/program_window.h"
#include "platform/window.h"

namespace platform {
namespace {

const wchar_t windowClass[] = L"VYRWindow";
// A drop-down list opens below its field, inside the combo box's window.
const int dropDownListHeight = 240;

struct Control {
    ControlId id;
    ControlKind kind;
    HWND handle;
    FontSpec font;
    Text face;
    HFONT ownFont;  // null while the control shows the default font
    InputMode inputMode;
};

// A text as the program set it. Not every GBK text survives the way through
// UTF-16 (a lone lead byte, such as the name of a key coded 128 or above), so
// reading gives back these bytes as long as the control still shows them.
struct SetText {
    Text bytes;
    std::wstring shown;
};

struct Window {
    HWND handle = nullptr;
    WindowEvents events{};
    std::vector<Control> controls;
    std::map<ControlId, SetText> texts;
    bool hasTabStops = false;
    bool systemBackground = true;
    Colour background = 0;
    HBRUSH backgroundBrush = nullptr;
};

Window& theProgramWindow() {
    static Window window;
    return window;
}

Control* findControl(ControlId id) {
    for (Control& control : theProgramWindow().controls)
        if (control.id == id) return &control;
    return nullptr;
}

Control* controlOfHandle(HWND handle) {
    for (Control& control : theProgramWindow().controls)
        if (control.handle == handle) return &control;
    return nullptr;
}

HWND handleOf(ControlId id) {
    if (id == theWindow) return theProgramWindow().handle;
    const Control* control = findControl(id);
    return control ? control->handle : nullptr;
}

// The low byte of the virtual key, the keypad folded onto the main keyboard.
int foldedKeyCode(WPARAM virtualKey) {
    const int code = static_cast<int>(virtualKey & 0xFF);
    if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9) return code - VK_NUMPAD0 + '0';
    if (code >= VK_SUBTRACT && code <= VK_DIVIDE) return code - VK_SUBTRACT + VK_OEM_MINUS;
    return code;
}

// A modifier key pressed by itself does not count as held.
int modifierState(int keyCode) {
    int state = 0;
    if (keyCode != VK_CONTROL && GetKeyState(VK_CONTROL) < 0) state |= ctrlHeld;
    if (keyCode != VK_SHIFT && GetKeyState(VK_SHIFT) < 0) state |= shiftHeld;
    if (keyCode != VK_MENU && GetKeyState(VK_MENU) < 0) state |= altHeld;
    return state;
}

// Presses reach the window's handler wherever the focus is, releases the
// handler of the control that has the focus.
void deliverKey(UINT message, WPARAM virtualKey, const Control* control) {
    const WindowEvents& events = theProgramWindow().events;
    const int code = foldedKeyCode(virtualKey);
    const bool pressed = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    if (pressed && events.keyPressed) events.keyPressed(code, modifierState(code));
    if (!pressed && control && events.keyReleased) events.keyReleased(control->id, code);
}

bool isKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_KEYUP || message == WM_SYSKEYUP;
}

// Integer input takes typed digits and "-"; control characters pass.
bool refusesCharacter(const Control& control, WPARAM character) {
    if (control.inputMode != InputMode::Integer || character < 32) return false;
    return !((character >= '0' && character <= '9') || character == '-');
}

// Each control keeps its identity and its own window procedure as window
// properties: subclassing this way needs nothing from the common controls.
const wchar_t controlIdProperty[] = L"VYRControlId";
const wchar_t originalProcProperty[] = L"VYRControlProc";

LRESULT CALLBACK controlProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropW(handle, originalProcProperty));
    const auto id = static_cast<ControlId>(reinterpret_cast<INT_PTR>(GetPropW(handle, controlIdProperty)));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropW(handle, originalProcProperty);
        RemovePropW(handle, controlIdProperty);
        return CallWindowProcW(original, handle, message, wParam, lParam);
    }
    const Control* control = findControl(id);
    if (control && isKeyMessage(message)) deliverKey(message, wParam, control);
    if (control && message == WM_LBUTTONDOWN && theProgramWindow().events.mousePressed)
        theProgramWindow().events.mousePressed(control->id, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam),
                                               modifierState(0));
    if (control && message == WM_CHAR && refusesCharacter(*control, wParam)) return 0;
    // A handler may have ended the window.
    if (!IsWindow(handle)) return 0;
    return CallWindowProcW(original, handle, message, wParam, lParam);
}

// The combo box changes its edit field only after reporting the change; the
// handler must already read the chosen entry there.
void showChosenEntry(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return;
    std::wstring entry(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&entry[0]));
    SetWindowTextW(combo, entry.c_str());
}

void onCommand(WPARAM wParam, LPARAM lParam) {
    const Control* control = controlOfHandle(reinterpret_cast<HWND>(lParam));
    if (!control) return;
    const WindowEvents& events = theProgramWindow().events;
    const WORD code = HIWORD(wParam);
    if (control->kind == ControlKind::Button && code == BN_CLICKED && events.buttonClicked)
        events.buttonClicked(control->id);
    if (control->kind == ControlKind::ComboBox && code == CBN_SELCHANGE) {
        showChosenEntry(control->handle);
        if (events.listSelected) events.listSelected(control->id);
    }
}

LRESULT CALLBACK windowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window& window = theProgramWindow();
    switch (message) {
        case WM_COMMAND:
            onCommand(wParam, lParam);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            deliverKey(message, wParam, nullptr);
            break;
        case WM_SYSCOMMAND:
            // F10 or Alt alone would put the window into menu mode, where the
            // next keys go to the system menu instead of the handlers.
            if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0) return 0;
            break;
        case WM_CTLCOLORSTATIC:
            if (window.systemBackground) break;
            SetBkColor(reinterpret_cast<HDC>(wParam), window.background);
            return reinterpret_cast<LRESULT>(window.backgroundBrush);
        case WM_DESTROY:
            if (window.events.destroying) window.events.destroying();
            window.handle = nullptr;
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

HICON programIcon(int metricX, int metricY) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                         GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0));
}

void registerWindowClass(const WindowSpec& design) {
    Window& window = theProgramWindow();
    window.systemBackground = design.systemBackground;
    window.background = design.background;
    window.backgroundBrush =
        design.systemBackground ? reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1) : CreateSolidBrush(design.background);
    WNDCLASSEXW windowClassSpec = {};
    windowClassSpec.cbSize = sizeof windowClassSpec;
    windowClassSpec.lpfnWndProc = windowProc;
    windowClassSpec.hInstance = GetModuleHandleW(nullptr);
    windowClassSpec.hIcon = programIcon(SM_CXICON, SM_CYICON);
    windowClassSpec.hIconSm = programIcon(SM_CXSMICON, SM_CYSMICON);
    windowClassSpec.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClassSpec.hbrBackground = window.backgroundBrush;
    windowClassSpec.lpszClassName = windowClass;
    RegisterClassExW(&windowClassSpec);
}

struct StandardControl {
    const wchar_t* className;
    DWORD style;
    DWORD extendedStyle;
};

StandardControl standardControl(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX, 0};
        // Not told of clicks, so that a click falls through to a label beneath.
        case ControlKind::WrappingLabel: return {L"STATIC", SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS, 0};
        case ControlKind::Edit: return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON, 0};
        default: return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0};
    }
}

HWND createStandardControl(HWND parent, const ControlSpec& design) {
    const StandardControl standard = standardControl(design.kind);
    const DWORD style = WS_CHILD | standard.style | (design.shown ? WS_VISIBLE : 0) | (design.tabStop ? WS_TABSTOP : 0);
    const int height = design.kind == ControlKind::ComboBox ? design.height + dropDownListHeight : design.height;
    const std::wstring text = toWide(design.text ? design.text : "");
    return CreateWindowExW(standard.extendedStyle, standard.className, text.c_str(), style, design.left, design.top,
                           design.width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND createControl(HWND parent, const ControlSpec& design) {
    if (design.kind == ControlKind::TransparentLabel) return win32::createTransparentLabel(parent, design);
    if (design.kind == ControlKind::DrawingBoard) return win32::createDrawingBoard(parent, design);
    return createStandardControl(parent, design);
}

HFONT createControlFont(const Control& control) {
    return win32::createFont(control.face, control.font.height, control.font.weight, control.font.gb2312);
}

void applyFont(Control& control, HFONT font) {
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (control.ownFont) DeleteObject(control.ownFont);
    control.ownFont = font;
}

void subclass(HWND handle, ControlId id) {
    SetPropW(handle, controlIdProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(id)));
    SetPropW(handle, originalProcProperty, reinterpret_cast<HANDLE>(GetWindowLongPtrW(handle, GWLP_WNDPROC)));
    SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlProc));
}

// Standard controls take the current look from the common controls library;
// a window of custom controls alone does not load it.
void prepareStandardControls(const WindowSpec& design) {
    for (int i = 0; i < design.controlCount; ++i) {
        const ControlKind kind = design.controls[i].kind;
        if (kind == ControlKind::TransparentLabel || kind == ControlKind::DrawingBoard) continue;
        const HMODULE library = LoadLibraryW(L"comctl32.dll");
        using Initialize = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        const auto initialize = reinterpret_cast<Initialize>(
            reinterpret_cast<void*>(library ? GetProcAddress(library, "InitCommonControlsEx") : nullptr));
        const INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_STANDARD_CLASSES};
        if (initialize) initialize(&classes);
        return;
    }
}

void addControl(const ControlSpec& design) {
    Window& window = theProgramWindow();
    Control control{design.id, design.kind, createControl(window.handle, design), design.font,
                    design.font.face ? Text(design.font.face) : Text(), nullptr, InputMode::Normal};
    const bool standard = design.kind != ControlKind::TransparentLabel && design.kind != ControlKind::DrawingBoard;
    if (standard) {
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
        if (design.font.face) applyFont(control, createControlFont(control));
    }
    // The multi-line label is the ground that other controls may lie on.
    if (design.kind == ControlKind::WrappingLabel)
        SetWindowPos(control.handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    subclass(control.handle, design.id);
    // Typing in a combo box happens in its edit field, a child of its own.
    if (design.kind == ControlKind::ComboBox) {
        COMBOBOXINFO parts = {};
        parts.cbSize = sizeof parts;
        if (GetComboBoxInfo(control.handle, &parts)) subclass(parts.hwndItem, design.id);
    }
    window.hasTabStops = window.hasTabStops || design.tabStop;
    window.controls.push_back(control);
}

void focusFirstTabStop() {
    for (const Control& control : theProgramWindow().controls)
        if ((GetWindowLongW(control.handle, GWL_STYLE) & (WS_TABSTOP | WS_VISIBLE)) == (WS_TABSTOP | WS_VISIBLE)) {
            SetFocus(control.handle);
            return;
        }
}

RECT placeOf(HWND handle) {
    RECT place;
    GetWindowRect(handle, &place);
    if (HWND parent = GetParent(handle)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void moveTo(ControlId id, int left, int top) {
    SetWindowPos(handleOf(id), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void resize(ControlId id, int width, int height) {
    SetWindowPos(handleOf(id), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

HWND win32::programWindow() { return theProgramWindow().handle; }

int runWindow(const WindowSpec& design, const WindowEvents& events) {
    // A disc taken out, or a drive without one, makes a file fail to open
    // instead of stopping the program at the system's "no disk" box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    prepareStandardControls(design);
    Window& window = theProgramWindow();
    window.events = events;
    registerWindowClass(design);
    // A fixed border with the system menu and its close box, nothing else.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    window.handle = CreateWindowExW(0, windowClass, toWide(design.caption).c_str(), style, (screenWidth() - design.width) / 2,
                                    (screenHeight() - design.height) / 2, design.width, design.height, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    window.controls.reserve(static_cast<size_t>(design.controlCount));
    for (int i = 0; i < design.controlCount; ++i) addControl(design.controls[i]);
    if (events.created) events.created();
    if (!window.handle) return 0;
    ShowWindow(window.handle, SW_SHOW);
    UpdateWindow(window.handle);
    focusFirstTabStop();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The dialog manager moves the focus by Tab, but takes Esc and Enter
        // for itself; a window without tab stops needs them as key presses.
        if (window.hasTabStops && window.handle && IsDialogMessageW(window.handle, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void setText(ControlId id, const Text& text) {
    const std::wstring wide = toWide(text);
    SetWindowTextW(handleOf(id), wide.c_str());
    theProgramWindow().texts[id] = {text, wide};
}

Text text(ControlId id) {
    HWND handle = handleOf(id);
    std::wstring wide(static_cast<size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
    wide.resize(static_cast<size_t>(GetWindowTextW(handle, &wide[0], static_cast<int>(wide.size()))));
    const auto set = theProgramWindow().texts.find(id);
    if (set != theProgramWindow().texts.end() && set->second.shown == wide) return set->second.bytes;
    return fromWide(wide.c_str());
}

void setVisible(ControlId id, bool visible) { ShowWindow(handleOf(id), visible ? SW_SHOW : SW_HIDE); }

// Read from the style, so that it also holds before the window is shown.
bool visible(ControlId id) { return (GetWindowLongW(handleOf(id), GWL_STYLE) & WS_VISIBLE) != 0; }

void setLeft(ControlId id, int left) { moveTo(id, left, top(id)); }
void setTop(ControlId id, int top) { moveTo(id, left(id), top); }
void setWidth(ControlId id, int width) { resize(id, width, height(id)); }
void setHeight(ControlId id, int height) { resize(id, width(id), height); }
int left(ControlId id) { return placeOf(handleOf(id)).left; }
int top(ControlId id) { return placeOf(handleOf(id)).top; }

int width(ControlId id) {
    const RECT place = placeOf(handleOf(id));
    return place.right - place.left;
}

int height(ControlId id) {
    const RECT place = placeOf(handleOf(id));
    return place.bottom - place.top;
}

void setInputMode(ControlId id, InputMode mode) {
    if (Control* control = findControl(id)) control->inputMode = mode;
}

void clearList(ControlId id) { SendMessageW(handleOf(id), CB_RESETCONTENT, 0, 0); }

void addListEntry(ControlId id, const Text& entry) {
    SendMessageW(handleOf(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toWide(entry).c_str()));
}

void setListSelection(ControlId id, int index) {
    SendMessageW(handleOf(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

Text listText(ControlId id) { return text(id); }

void setFontName(ControlId id, const Text& face) {
    Control* control = findControl(id);
    if (!control) return;
    control->face = face;
    applyFont(*control, createControlFont(*control));
}

void setFont(ControlId id, const Text& face, int points) {
    Control* control = findControl(id);
    if (!control) return;
    if (control->kind == ControlKind::DrawingBoard) {
        win32::setBoardFont(control->handle, face, points);
        return;
    }
    control->face = face;
    control->font.height = win32::pointsToPixels(points);
    applyFont(*control, createControlFont(*control));
}

void drawRoundedBox(ControlId board, int left, int top, int right, int bottom) {
    win32::drawBoardRoundedBox(handleOf(board), left, top, right, bottom);
}

void drawText(ControlId board, int x, int y, const Text& text) { win32::drawBoardText(handleOf(board), x, y, text); }

void destroyWindow() {
    if (HWND handle = theProgramWindow().handle) DestroyWindow(handle);
}

}  // namespace platform
