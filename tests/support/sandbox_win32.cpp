#include <windows.h>

#include "platform/files.h"
#include "platform/win32/gbk.h"
#include "tests/support/sandbox.h"

static void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(child);
            else
                DeleteFileW(child.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

Sandbox::Sandbox() {
    static int counter = 0;
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH, temp);
    folder_ = joinText(fromWide(temp), "vyr-test-", integerToText(static_cast<int>(GetCurrentProcessId())), "-",
                       integerToText(++counter));
    removeTree(toWide(folder_));
    CreateDirectoryW(toWide(folder_).c_str(), nullptr);
}

Sandbox::~Sandbox() {
    SetCurrentDirectoryW(L"C:\\");
    removeTree(toWide(folder_));
}

void Sandbox::makeFolder(const Text& name) const { CreateDirectoryW(toWide(path(name)).c_str(), nullptr); }

void Sandbox::put(const Text& name, const std::string& bytes) const {
    const HANDLE file = CreateFileW(toWide(path(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::optional<std::string> Sandbox::bytes(const Text& name) const {
    const HANDLE file = CreateFileW(toWide(path(name)).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool Sandbox::isFolder(const Text& name) const {
    const DWORD attributes = GetFileAttributesW(toWide(path(name)).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Sandbox::enter() const { platform::setCurrentFolder(folder_); }
