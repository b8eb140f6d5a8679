#include "platform/win32/gbk.h"

#include <windows.h>

static const UINT gbkCodePage = 936;

std::wstring toWide(const Text& text) {
    const int length = MultiByteToWideChar(gbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(gbkCodePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

Text fromWide(const wchar_t* text) {
    const int length = WideCharToMultiByte(gbkCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return Text();
    Text bytes(static_cast<size_t>(length - 1), '\0');
    WideCharToMultiByte(gbkCodePage, 0, text, -1, &bytes[0], length, nullptr, nullptr);
    return bytes;
}
