#pragma once
// Where the entries lie on the board: the arithmetic that draws them at
// start-up and finds them again under a click. Double precision, cut toward
// zero to whole pixels; a value exceeds a limit only by more than 0.0000001.

#include "package/text_ops.h"

bool exceeds(double value, double limit);

// The stored font size, or a fallback from the board's height when it is
// malformed, below 1 or larger than a quarter of the board. In points, and
// also the vertical unit of the entries in pixels.
int effectiveFontSize(const LineList& lines, int boardHeight);
// The stored entry count, or as many as the board has room for when it is
// malformed, negative or too large; never more than the lines hold.
int displayedEntryCount(const LineList& lines, int boardHeight, int fontSize);

// Entry j's rounded box and the top-left corner of its text, on the board.
struct EntryBox {
    int left, top, right, bottom;
    int textLeft, textTop;
};
EntryBox entryBox(int windowWidth, int fontSize, int entry);
// The entry whose box holds the point, edges included; 0 for none.
int entryAt(int x, int y, int windowWidth, int fontSize, int entryCount);
