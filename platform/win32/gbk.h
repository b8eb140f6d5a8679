#pragma once
// The programs keep every text as GBK bytes; Win32 sees UTF-16. These two
// convert at the edge with code page 936, whatever the system's code page.

#include <string>

#include "package/text_ops.h"

std::wstring toWide(const Text& text);
Text fromWide(const wchar_t* text);
