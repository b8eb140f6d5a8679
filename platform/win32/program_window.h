#pragma once
// The program's one window, for the dialogs that must be modal to it.

#include <windows.h>

namespace platform::win32 {

// Null before the window is made and after it is gone.
HWND programWindow();

}  // namespace platform::win32
