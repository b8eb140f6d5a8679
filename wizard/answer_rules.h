#pragma once
// How the wizard judges and shapes answers before it stores them.

#include <vector>

#include "package/text_ops.h"

// A whole number from 1, written plainly: no sign, no leading zero.
bool isPositiveIntegerText(const Text& t);
// An item's path as stored: the part after the output folder of an existing
// file or folder inside it; empty for anything else.
Text storedItemPath(const Text& path, const Text& outputFolder);
// The font list as offered: the system's names from last to first, a name
// dropped when it repeats the one just taken.
LineList fontListEntries(const std::vector<Text>& families);
