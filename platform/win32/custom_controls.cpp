#include "platform/win32/custom_controls.h"

#include <string>

#include "platform/win32/board_picture.h"
#include "platform/win32/fonts.h"
#include "platform/win32/gbk.h"

namespace platform::win32 {
namespace {

const wchar_t transparentLabelClass[] = L"VYRTransparentLabel";
const wchar_t drawingBoardClass[] = L"VYRDrawingBoard";

HCURSOR cursorFor(Pointer pointer) {
    if (pointer == Pointer::Hand) return LoadCursorW(nullptr, IDC_HAND);
    if (pointer == Pointer::Board)
        if (HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(boardPointerResource))) return own;
    return LoadCursorW(nullptr, IDC_ARROW);
}

HFONT fontFor(const FontSpec& font) {
    if (!font.face) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    return createFont(font.face, font.height, font.weight, font.gb2312);
}

// Each control's own pointer, whatever its class says.
bool setPointer(LPARAM hitTest, HCURSOR cursor) {
    if (LOWORD(hitTest) != HTCLIENT) return false;
    SetCursor(cursor);
    return true;
}

RECT placeInParent(HWND control) {
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// ---- Transparent label

struct Label {
    ControlSpec design;
    HFONT font;
    HCURSOR cursor;
};

// What lies behind a label: the window's background and then, lowest first,
// the controls beneath it, each asked to print itself there.
void paintBehind(HWND label, HDC dc, const RECT& area) {
    HWND parent = GetParent(label);
    FillRect(dc, &area, reinterpret_cast<HBRUSH>(GetClassLongPtrW(parent, GCLP_HBRBACKGROUND)));
    const RECT labelPlace = placeInParent(label);
    for (HWND below = GetWindow(label, GW_HWNDLAST); below && below != label; below = GetWindow(below, GW_HWNDPREV)) {
        const RECT place = placeInParent(below);
        RECT overlap;
        if (!IsWindowVisible(below) || !IntersectRect(&overlap, &place, &labelPlace)) continue;
        POINT origin;
        SetViewportOrgEx(dc, place.left - labelPlace.left, place.top - labelPlace.top, &origin);
        SendMessageW(below, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    }
}

void paintLabelText(HWND window, const Label& label, HDC dc, RECT area) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    const int length = GetWindowTextW(window, &text[0], static_cast<int>(text.size()));
    const UINT align = label.design.align == Align::Left ? DT_LEFT : label.design.align == Align::Right ? DT_RIGHT : DT_CENTER;
    const UINT format = align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    SelectObject(dc, label.font);
    SetBkMode(dc, TRANSPARENT);
    if (label.design.shadow) {
        RECT shadow = area;
        OffsetRect(&shadow, 2, 2);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextW(dc, text.c_str(), length, &shadow, format);
    }
    SetTextColor(dc, label.design.textColour);
    DrawTextW(dc, text.c_str(), length, &area, format);
}

// Composed off screen, so that the text never flickers over its background.
void paintLabel(HWND window, const Label& label) {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    RECT area;
    GetClientRect(window, &area);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP picture = CreateCompatibleBitmap(screen, area.right, area.bottom);
    HGDIOBJ previous = SelectObject(dc, picture);
    paintBehind(window, dc, area);
    paintLabelText(window, label, dc, area);
    BitBlt(screen, 0, 0, area.right, area.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previous);
    DeleteObject(picture);
    DeleteDC(dc);
    EndPaint(window, &paint);
}

LRESULT CALLBACK transparentLabelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* label = reinterpret_cast<Label*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            paintLabel(window, *label);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (setPointer(lParam, label->cursor)) return TRUE;
            break;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            InvalidateRect(window, nullptr, FALSE);
            return result;
        }
        case WM_NCDESTROY:
            if (label) {
                if (label->design.font.face) DeleteObject(label->font);
                delete label;
            }
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// ---- Drawing board

// The board's image: kept in a bitmap as large as the board can become and
// copied to the screen whenever the board is painted.
struct Board {
    HDC dc;
    HBITMAP image;
    HGDIOBJ firstImage;
    HFONT font;
    FontSpec fontSpec;
    HCURSOR cursor;
};

Board* boardOf(HWND window) { return reinterpret_cast<Board*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

void tileBoardPicture(HDC dc, int width, int height) {
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = boardPictureWidth;
    format.bmiHeader.biHeight = -boardPictureHeight;  // rows from the top
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!picture) return;
    paintBoardPicture(static_cast<std::uint32_t*>(bits));
    HDC pictureDc = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(pictureDc, picture);
    for (int top = 0; top < height; top += boardPictureHeight)
        for (int left = 0; left < width; left += boardPictureWidth)
            BitBlt(dc, left, top, boardPictureWidth, boardPictureHeight, pictureDc, 0, 0, SRCCOPY);
    SelectObject(pictureDc, previous);
    DeleteDC(pictureDc);
    DeleteObject(picture);
}

void copyImage(HWND window, HDC target) {
    RECT area;
    GetClientRect(window, &area);
    BitBlt(target, 0, 0, area.right, area.bottom, boardOf(window)->dc, 0, 0, SRCCOPY);
}

void releaseBoard(Board* board) {
    DeleteObject(SelectObject(board->dc, GetStockObject(BLACK_PEN)));
    DeleteObject(SelectObject(board->dc, GetStockObject(WHITE_BRUSH)));
    SelectObject(board->dc, board->firstImage);
    DeleteObject(board->image);
    DeleteObject(board->font);
    DeleteDC(board->dc);
    delete board;
}

LRESULT CALLBACK drawingBoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Board* board = boardOf(window);
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            copyImage(window, BeginPaint(window, &paint));
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            copyImage(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (setPointer(lParam, board->cursor)) return TRUE;
            break;
        case WM_NCDESTROY:
            if (board) releaseBoard(board);
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerClass(const wchar_t* name, WNDPROC procedure) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    RegisterClassW(&windowClass);
}

HWND createChild(const wchar_t* className, HWND parent, const ControlSpec& design, DWORD style) {
    return CreateWindowExW(0, className, toWide(design.text ? design.text : "").c_str(),
                           WS_CHILD | style | (design.shown ? WS_VISIBLE : 0), design.left, design.top, design.width,
                           design.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)),
                           GetModuleHandleW(nullptr), nullptr);
}

int atLeast(int value, int least) { return value < least ? least : value; }

}  // namespace

HWND createTransparentLabel(HWND parent, const ControlSpec& design) {
    registerClass(transparentLabelClass, transparentLabelProc);
    HWND label = createChild(transparentLabelClass, parent, design, 0);
    // A later control goes beneath the earlier ones; a label that shows only
    // its text lies over whatever it overlaps, and takes the clicks there.
    SetWindowPos(label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongPtrW(label, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(new Label{design, fontFor(design.font), cursorFor(design.pointer)}));
    return label;
}

HWND createDrawingBoard(HWND parent, const ControlSpec& design) {
    registerClass(drawingBoardClass, drawingBoardProc);
    // The board is the ground: what overlaps it lies above it and stays
    // visible and clickable, and the board does not paint over it.
    HWND window = createChild(drawingBoardClass, parent, design, WS_CLIPSIBLINGS);
    SetWindowPos(window, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The board's size follows the window's, which the screen bounds.
    const int width = atLeast(GetSystemMetrics(SM_CXSCREEN), boardPictureWidth);
    const int height = atLeast(GetSystemMetrics(SM_CYSCREEN), boardPictureHeight);
    HDC screen = GetDC(window);
    auto* board = new Board{CreateCompatibleDC(screen), CreateCompatibleBitmap(screen, width, height), nullptr,
                            fontFor(design.font), design.font, cursorFor(design.pointer)};
    ReleaseDC(window, screen);
    board->firstImage = SelectObject(board->dc, board->image);
    tileBoardPicture(board->dc, width, height);
    if (design.board) {
        SelectObject(board->dc, CreatePen(PS_SOLID, design.board->penWidth, design.board->pen));
        SelectObject(board->dc, CreateSolidBrush(design.board->brush));
        SetTextColor(board->dc, design.board->text);
    }
    SetBkMode(board->dc, TRANSPARENT);
    SelectObject(board->dc, board->font);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(board));
    return window;
}

void setBoardFont(HWND window, const Text& face, int points) {
    Board* board = boardOf(window);
    HFONT font = createFont(face, pointsToPixels(points), board->fontSpec.weight, board->fontSpec.gb2312);
    SelectObject(board->dc, font);
    DeleteObject(board->font);
    board->font = font;
}

void drawBoardRoundedBox(HWND window, int left, int top, int right, int bottom) {
    RoundRect(boardOf(window)->dc, left, top, right, bottom, 10, 10);
    InvalidateRect(window, nullptr, FALSE);
}

void drawBoardText(HWND window, int x, int y, const Text& text) {
    const std::wstring wide = toWide(text);
    TextOutW(boardOf(window)->dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    InvalidateRect(window, nullptr, FALSE);
}

}  // namespace platform::win32
