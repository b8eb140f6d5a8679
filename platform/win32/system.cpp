// The shell's "open", the fonts, the screen and message boxes on Win32.

#include <windows.h>

#include "platform/system.h"
#include "platform/win32/gbk.h"
#include "platform/win32/program_window.h"
#include "platform/win32/shell_library.h"

namespace platform {
namespace {

int CALLBACK collectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    reinterpret_cast<std::vector<Text>*>(names)->push_back(fromWide(font->lfFaceName));
    return 1;
}

}  // namespace

void shellOpen(const Text& target) {
    win32::prepareShell();
    using ShellExecute = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    const auto execute = reinterpret_cast<ShellExecute>(reinterpret_cast<void*>(win32::shellFunction("ShellExecuteW")));
    if (execute) execute(win32::programWindow(), L"open", toWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::vector<Text> fontFamilies() {
    std::vector<Text> names;
    LOGFONTW everyFamily = {};
    everyFamily.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &everyFamily, collectFamily, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, screen);
    return names;
}

int screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

void showMessage(const Text& text, const Text& caption) {
    MessageBoxW(nullptr, toWide(text).c_str(), toWide(caption).c_str(), MB_OK | MB_ICONEXCLAMATION | MB_TASKMODAL);
}

void endProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

}  // namespace platform
