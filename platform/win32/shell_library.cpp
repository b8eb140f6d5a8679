#include "platform/win32/shell_library.h"

#include <objbase.h>

namespace platform::win32 {

void prepareShell() {
    static const bool ready = [] {
        const HMODULE ole = LoadLibraryW(L"ole32.dll");
        const auto initialize = reinterpret_cast<HRESULT(WINAPI*)(LPVOID, DWORD)>(
            reinterpret_cast<void*>(ole ? GetProcAddress(ole, "CoInitializeEx") : nullptr));
        return initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }();
    (void)ready;
}

FARPROC shellFunction(const char* name) {
    static const HMODULE shell = LoadLibraryW(L"shell32.dll");
    return shell ? GetProcAddress(shell, name) : nullptr;
}

}  // namespace platform::win32
