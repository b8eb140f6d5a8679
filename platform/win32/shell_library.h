#pragma once
// The shell and COM, loaded on first use: a menu that only opens an entry
// now and then need not load them at start-up, where every DLL costs time.

#include <windows.h>

namespace platform::win32 {

// The shell's dialogs and "open" want COM on the calling thread; the
// program's one thread keeps it until the end.
void prepareShell();
// A function of shell32.dll; null when it cannot be had.
FARPROC shellFunction(const char* name);

}  // namespace platform::win32
