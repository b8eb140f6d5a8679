#include "player/menu_settings.h"

Text basicValue(const LineList& lines, int line) { return valueAfterKey(lines[line], basicKeyLength); }

Text entryValue(const LineList& lines, int entry, ItemSlot slot) {
    const int line = itemLine(entry, slot);
    return valueAfterKey(lines[line], itemKeyLength(line));
}

int entriesPresent(const LineList& lines) { return (static_cast<int>(lines.size()) - firstItemLine) / 3; }
