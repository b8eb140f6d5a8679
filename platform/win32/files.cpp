#include <windows.h>

#include "platform/files.h"
#include "platform/win32/gbk.h"

namespace {

const DWORD shareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

HANDLE openExisting(const Text& path, DWORD access) {
    return CreateFileW(toWide(path).c_str(), access, shareReadWrite, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

namespace platform {

bool readExistingFile(const Text& path, Access access, std::string& bytes) {
    const DWORD rights = access == Access::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    const HANDLE file = openExisting(path, rights);
    if (file == INVALID_HANDLE_VALUE) return false;
    bytes.clear();
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != 0) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return ok;
}

bool appendToExistingFile(const Text& path, std::string_view bytes) {
    const HANDLE file = openExisting(path, GENERIC_READ | GENERIC_WRITE);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER && writeAll(file, bytes);
    CloseHandle(file);
    return ok;
}

bool createFile(const Text& path, std::string_view bytes, Sharing sharing) {
    const DWORD share = sharing == Sharing::Exclusive ? 0 : shareReadWrite;
    const HANDLE file = CreateFileW(toWide(path).c_str(), GENERIC_WRITE, share, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool ok = writeAll(file, bytes);
    CloseHandle(file);
    return ok;
}

bool copyFile(const Text& from, const Text& to) { return CopyFileW(toWide(from).c_str(), toWide(to).c_str(), FALSE) != 0; }

bool deleteFile(const Text& path) { return DeleteFileW(toWide(path).c_str()) != 0; }

bool createFolder(const Text& path) { return CreateDirectoryW(toWide(path).c_str(), nullptr) != 0; }

bool directorySearchFinds(const Text& pattern) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(toWide(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

Text executablePath() {
    wchar_t path[MAX_PATH + 1];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    path[length] = L'\0';
    return fromWide(path);
}

bool setCurrentFolder(const Text& path) { return SetCurrentDirectoryW(toWide(path).c_str()) != 0; }

}  // namespace platform
