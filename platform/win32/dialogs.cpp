// The folder browser and the open-file dialog on Win32; only the wizard
// asks for them.

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "platform/system.h"
#include "platform/win32/gbk.h"
#include "platform/win32/program_window.h"
#include "platform/win32/shell_library.h"

namespace platform {

Text browseForFolder(const Text& prompt) {
    win32::prepareShell();
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

}  // namespace platform
