#pragma once
// The settings file in the output folder, as the steps add their lines and
// take them back.

#include "package/text_ops.h"

Text settingsPath();
void appendSettings(const LineList& lines);
LineList readSettings();
// The value after the key of a line, counted from 0; empty for a line the
// file does not hold.
Text lineValue(const LineList& lines, int line, int keyLength);
// Rewrites the file without its last count lines, but keeps the lines before
// firstLine: those belong to the steps before the one being taken back.
void dropLastLines(const LineList& lines, int count, int firstLine);
