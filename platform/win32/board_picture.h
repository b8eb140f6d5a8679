#pragma once
// The drawing board's background: a dark decorative picture, made when the
// program starts rather than stored in it. Its opposite edges meet, so that
// it tiles without seams.

#include <cstdint>

namespace platform::win32 {

const int boardPictureWidth = 800, boardPictureHeight = 600;

// Fills 800 × 600 pixels, rows from the top, each pixel 0x00RRGGBB.
void paintBoardPicture(std::uint32_t* pixels);

}  // namespace platform::win32
