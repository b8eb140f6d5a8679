#include "platform/win32/fonts.h"

#include "platform/win32/gbk.h"

namespace platform::win32 {

HFONT createFont(const Text& face, int characterHeight, int weight, bool gb2312) {
    // A negative height asks for the character height, not the cell height.
    return CreateFontW(-characterHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, gb2312 ? GB2312_CHARSET : DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, toWide(face).c_str());
}

int pointsToPixels(int points) {
    HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return pixels;
}

}  // namespace platform::win32
