#include "player/menu_settings.h"

Text entryValue(const LineList& lines, int entry, ItemSlot slot) {
    const int line = itemLine(entry, slot);
    return lineValue(lines, line, itemKeyLength(line));
}

int entriesPresent(const LineList& lines) { return (static_cast<int>(lines.size()) - firstItemLine) / 3; }
