// The player's layout arithmetic for any settings lines and board: the
// effective font size and the displayed entry count stay within the board and
// the lines, the boxes lie where s·(3.2·j − 2.4) and s·3.2·j put them, and a
// click selects entry k exactly when 140 ≤ x ≤ W − 140 and
// s·(3.2·k − 2.4) ≤ y ≤ s·3.2·k, for 1 ≤ k ≤ the entry count. Bounds are
// checked in exact integer arithmetic (3.2 = 16/5, 27.77 = 2777/100,
// 3.47 = 347/100); the drawing's coordinates, cut from doubles, may fall one
// pixel short where the exact value is whole.
//
// The input's last bytes give the board's height, the window's width and a
// click (point, font size, entry count); the rest is a settings file.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "package/settings_file.h"
#include "player/menu_layout.h"
#include "tests/fuzz/fuzz_input.h"

using Wide = long long;

// Truncation toward zero, as C++ integer division does.
static Wide quotient(Wide a, Wide b) { return a / b; }

// The cut value v of an exact a/b (b > 0), allowing one less where a/b is whole.
static bool cutOf(Wide v, Wide a, Wide b) { return v * b <= a && a < (v + 1) * b + (a % b == 0 ? b : 0); }

// Every point, both edges of a box included, selects exactly its box.
static void checkClick(int x, int y, int width, int fontSize, int entries) {
    int expected = 0;
    if (x >= 140 && x <= width - 140 && y > 0) {
        const Wide s = fontSize;
        const Wide k = (5 * Wide{y} + 16 * s - 1) / (16 * s);  // the least k with y ≤ s·3.2·k
        if (5 * Wide{y} >= s * (16 * k - 12) && k >= 1 && k <= entries) expected = static_cast<int>(k);
    }
    const int found = entryAt(x, y, width, fontSize, entries);
    if (found != expected) {
        std::fprintf(stderr, "click at (%d, %d), width %d, font size %d, %d entries: entry %d, expected %d\n", x, y,
                     width, fontSize, entries, found, expected);
        propertyFailed("entryAt selects the box under the point", __FILE__, __LINE__);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int board = input.ConsumeIntegralInRange(-100, 3000);
    const int width = input.ConsumeIntegralInRange(1, 10000);
    const int clickSize = input.ConsumeIntegralInRange(1, 2000);
    const int clickEntries = input.ConsumeIntegralInRange(0, 300);
    const int x = input.ConsumeIntegralInRange(-1000, 11000);
    const int y = input.ConsumeIntegralInRange(-1000, 20000);
    LineList lines = linesBetweenLineEnds(readablePart(input.ConsumeRemainingBytesAsString()));
    if (lines.size() < static_cast<std::size_t>(firstItemLine)) lines.resize(firstItemLine);
    const Wide present = (static_cast<Wide>(lines.size()) - firstItemLine) / 3;

    // Font size: the stored one when it passes and lies in 1 to B/4.
    const int s = effectiveFontSize(lines, board);
    const SettingsNumber stored = settingsNumber(valueAfterKey(lines[fontSizeLine], basicKeyLength));
    if (stored.passes && stored.value >= 1 && 4 * Wide{stored.value} <= board)
        EXPECT_PROPERTY(s == stored.value);
    else
        EXPECT_PROPERTY(s == quotient(100 * Wide{board}, 2777));

    // Entry count: never more than the lines hold, nor than the board has room for.
    const int d = displayedEntryCount(lines, board, s);
    EXPECT_PROPERTY(d >= 0 && d <= present);
    if (s >= 1) {
        const Wide room = 100 * Wide{board};  // room for room / (347·s) entries
        EXPECT_PROPERTY(347 * Wide{s} * d <= room);
        const SettingsNumber count = settingsNumber(valueAfterKey(lines[itemCountLine], basicKeyLength));
        if (count.passes && count.value >= 0 && 347 * Wide{s} * count.value <= room)
            EXPECT_PROPERTY(d == std::min<Wide>(count.value, present));
        else
            EXPECT_PROPERTY(d == present || cutOf(d, room, 347 * Wide{s}));
    }

    for (int j = 1; s >= 1 && j <= d; ++j) {
        const EntryBox box = entryBox(width, s, j);
        EXPECT_PROPERTY(box.left == 140 && box.right == width - 140 && box.textLeft == 160);
        EXPECT_PROPERTY(cutOf(box.top, Wide{s} * (16 * j - 12), 5));
        EXPECT_PROPERTY(cutOf(box.bottom, Wide{s} * 16 * j, 5));
        EXPECT_PROPERTY(cutOf(box.textTop, Wide{s} * (32 * j - 19), 10));
    }
    if (s >= 1) checkClick(x, y, width, s, d);
    checkClick(x, y, width, clickSize, clickEntries);
    return 0;
}
