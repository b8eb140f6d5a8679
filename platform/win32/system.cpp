// The dialogs, the shell, the fonts and the screen on Win32.

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "platform/system.h"
#include "platform/win32/gbk.h"
#include "platform/win32/program_window.h"

namespace platform {
namespace {

// The shell's dialogs and "open" want COM on the calling thread; the
// program's one thread keeps it until the end.
void prepareShell() {
    static const HRESULT ready = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    (void)ready;
}

int CALLBACK collectFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    reinterpret_cast<std::vector<Text>*>(names)->push_back(fromWide(font->lfFaceName));
    return 1;
}

}  // namespace

Text browseForFolder(const Text& prompt) {
    prepareShell();
    const std::wstring title = toWide(prompt);
    BROWSEINFOW browse = {};
    browse.hwndOwner = win32::programWindow();
    browse.lpszTitle = title.c_str();
    browse.ulFlags = BIF_BROWSEINCLUDEFILES | BIF_EDITBOX;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&browse);
    if (!chosen) return Text();
    wchar_t path[MAX_PATH];
    const bool inFileSystem = SHGetPathFromIDListW(chosen, path) != 0;
    CoTaskMemFree(chosen);
    return inFileSystem ? fromWide(path) : Text();
}

bool chooseFile(const FileDialogSpec& dialog, Text& path) {
    static std::wstring lastChosen;
    std::wstring filter = toWide(dialog.filterName);
    filter.push_back(L'\0');
    filter += toWide(dialog.filterPattern);
    filter.push_back(L'\0');
    const std::wstring title = toWide(dialog.title);
    const std::wstring extension = toWide(dialog.defaultExtension);
    wchar_t name[MAX_PATH] = {};
    lastChosen.copy(name, MAX_PATH - 1);
    OPENFILENAMEW open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = win32::programWindow();
    open.lpstrFilter = filter.c_str();  // ends with the string's own terminator: a double null
    open.lpstrFile = name;
    open.nMaxFile = MAX_PATH;
    open.lpstrTitle = title.c_str();
    open.lpstrDefExt = extension.c_str();
    // The current folder stays the program's, against which relative names resolve.
    open.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&open)) return false;
    lastChosen = name;
    path = fromWide(name);
    return true;
}

void shellOpen(const Text& target) {
    prepareShell();
    ShellExecuteW(win32::programWindow(), L"open", toWide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
