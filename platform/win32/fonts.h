#pragma once
// Fonts of the controls: a face at a character height in pixels.

#include <windows.h>

#include "package/text_ops.h"

namespace platform::win32 {

HFONT createFont(const Text& face, int characterHeight, int weight, bool gb2312);
// The character height in pixels of a size in points on this screen.
int pointsToPixels(int points);

}  // namespace platform::win32
