#include "platform/win32/custom_controls.h"

#include "platform/win32/gbk.h"

namespace platform::win32 {
namespace {

const wchar_t transparentLabelClass[] = L"VYRTransparentLabel";
const wchar_t drawingBoardClass[] = L"VYRDrawingBoard";

// What a transparent label paints; kept in the window's user data.
struct LabelLook {
    ControlSpec spec;
    HFONT font;
};

HFONT fontFor(const FontSpec& font) {
    if (!font.face) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return CreateFontW(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE,
                       font.gb2312 ? GB2312_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH, toWide(font.face).c_str());
}

LRESULT CALLBACK transparentLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* look = reinterpret_cast<LabelLook*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            wchar_t text[1024];
            const int length = GetWindowTextW(window, text, 1024);
            RECT area;
            GetClientRect(window, &area);
            const UINT align = look->spec.align == Align::Left ? DT_LEFT : look->spec.align == Align::Right ? DT_RIGHT : DT_CENTER;
            const UINT format = align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
            SelectObject(dc, look->font);
            SetBkMode(dc, TRANSPARENT);
            if (look->spec.shadow) {
                RECT shadow = area;
                OffsetRect(&shadow, 2, 2);
                SetTextColor(dc, RGB(0, 0, 0));
                DrawTextW(dc, text, length, &shadow, format);
            }
            SetTextColor(dc, look->spec.textColour);
            DrawTextW(dc, text, length, &area, format);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_SETTEXT: {
            // Repaint what lies behind: the label paints only its text.
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            RECT area;
            GetWindowRect(window, &area);
            MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&area), 2);
            InvalidateRect(GetParent(window), &area, TRUE);
            return result;
        }
        case WM_NCDESTROY:
            delete look;
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The board's picture: the drawing is kept in a bitmap of the board's size
// and copied to the screen whenever the board is painted.
struct Board {
    HDC dc;
    HBITMAP bitmap;
    HFONT font;
    FontSpec fontSpec;
};

Board* boardOf(HWND window) { return reinterpret_cast<Board*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

LRESULT CALLBACK drawingBoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Board* board = boardOf(window);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT area;
            GetClientRect(window, &area);
            BitBlt(dc, 0, 0, area.right, area.bottom, board->dc, 0, 0, SRCCOPY);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_NCDESTROY:
            if (board) {
                DeleteDC(board->dc);
                DeleteObject(board->bitmap);
                delete board;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC procedure, HCURSOR cursor) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = cursor;
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

HWND createChild(const wchar_t* className, HWND parent, const ControlSpec& spec) {
    return CreateWindowExW(0, className, toWide(spec.text ? spec.text : "").c_str(),
                           WS_CHILD | (spec.shown ? WS_VISIBLE : 0), spec.left, spec.top, spec.width, spec.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

HWND createTransparentLabel(HWND parent, const ControlSpec& spec) {
    registerClass(transparentLabelClass, transparentLabelProc, LoadCursorW(nullptr, spec.pointer == Pointer::Hand ? IDC_HAND : IDC_ARROW));
    HWND label = createChild(transparentLabelClass, parent, spec);
    SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LabelLook{spec, fontFor(spec.font)}));
    return label;
}

HWND createDrawingBoard(HWND parent, const ControlSpec& spec) {
    registerClass(drawingBoardClass, drawingBoardProc, LoadCursorW(nullptr, IDC_ARROW));
    HWND window = createChild(drawingBoardClass, parent, spec);
    HDC screen = GetDC(window);
    auto* board = new Board{CreateCompatibleDC(screen), CreateCompatibleBitmap(screen, GetSystemMetrics(SM_CXSCREEN),
                                                                                GetSystemMetrics(SM_CYSCREEN)),
                            fontFor(spec.font), spec.font};
    ReleaseDC(window, screen);
    SelectObject(board->dc, board->bitmap);
    RECT all = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FillRect(board->dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (spec.board) {
        SelectObject(board->dc, CreatePen(PS_SOLID, spec.board->penWidth, spec.board->pen));
        SelectObject(board->dc, CreateSolidBrush(spec.board->brush));
        SetTextColor(board->dc, spec.board->text);
    }
    SetBkMode(board->dc, TRANSPARENT);
    SelectObject(board->dc, board->font);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(board));
    return window;
}

void setBoardFont(HWND window, const Text& face, int points) {
    Board* board = boardOf(window);
    HDC screen = GetDC(window);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(window, screen);
    HFONT font = CreateFontW(height, 0, 0, 0, board->fontSpec.weight, FALSE, FALSE, FALSE,
                             board->fontSpec.gb2312 ? GB2312_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, toWide(face).c_str());
    SelectObject(board->dc, font);
    DeleteObject(board->font);
    board->font = font;
}

void drawBoardRoundedBox(HWND window, int left, int top, int right, int bottom) {
    RoundRect(boardOf(window)->dc, left, top, right, bottom, 10, 10);
    RECT area = {left - 3, top - 3, right + 3, bottom + 3};
    InvalidateRect(window, &area, FALSE);
}

void drawBoardText(HWND window, int x, int y, const Text& text) {
    const std::wstring wide = toWide(text);
    TextOutW(boardOf(window)->dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace platform::win32
