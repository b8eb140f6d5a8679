#pragma once
// The two kinds of control that Win32 does not have: a transparent label
// (text only, optional drop shadow) and a drawing board that keeps what is
// drawn on it. The window backend creates them from their specs and forwards
// the drawing verbs; events reach the handlers through the backend.

#include <windows.h>

#include "platform/window.h"

namespace platform::win32 {

// The cursor resource of a program whose boards have a pointer of their own;
// without it a board shows the arrow.
const int boardPointerResource = 2;

HWND createTransparentLabel(HWND parent, const ControlSpec& design);
HWND createDrawingBoard(HWND parent, const ControlSpec& design);
void setBoardFont(HWND board, const Text& face, int points);
void drawBoardRoundedBox(HWND board, int left, int top, int right, int bottom);
void drawBoardText(HWND board, int x, int y, const Text& text);

}  // namespace platform::win32
