#pragma once
// The settings file in the output folder, as the steps add their lines and
// take them back.

#include "package/text_ops.h"

Text settingsPath();
void appendSettings(const LineList& lines);
LineList readSettings();
// Rewrites the file without its last count lines, but keeps the lines before
// firstLine: those belong to the steps before the one being taken back.
void dropLastLines(const LineList& lines, int count, int firstLine);
