#pragma once
// The values the player takes out of its settings lines.

#include "package/settings_file.h"

// The value of one line of an entry that the lines hold.
Text entryValue(const LineList& lines, int entry, ItemSlot slot);
// How many complete entries the lines hold.
int entriesPresent(const LineList& lines);
