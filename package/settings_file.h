#pragma once
// The settings file VYRrun.shi: its keys, how values are taken out of its
// lines, and the checks the player applies before it trusts the file.

#include <cstdint>
#include <vector>

#include "package/text_ops.h"

extern const char* const settingsFileName;  // "VYRrun.shi", beside the player

// Lines 5 to 11 start with these 5-byte keys, in this order.
extern const char* const basicKeys[7];
const int basicKeyLength = 5;
const int firstBasicLine = 5;
const int widthLine = 5, heightLine = 6, titleLine = 7, authorLine = 8, fontNameLine = 9, fontSizeLine = 10,
          itemCountLine = 11;
extern const char* const menuSectionLine;  // line 12
const int firstItemLine = 13;

// Each item has three lines, in this order.
enum ItemSlot { TitleSlot, PathSlot, HotkeySlot };
extern const char* const itemSlotKeys[3];
// "菜单" + n + the slot's key.
Text itemKey(int item, ItemSlot slot);
// Line index (from 0) of an item's line.
int itemLine(int item, ItemSlot slot);

LineList readSettingsLines();
Text valueAfterKey(const Text& line, int keyLength);
// The value of a line after a key of keyLength bytes; empty where the lines
// end before it (a file cut short since it was read or written).
Text lineValue(const LineList& lines, int line, int keyLength);
// The value of one of lines 5 to 11.
Text basicValue(const LineList& lines, int line);
int itemKeyLength(int lineIndex);

struct SettingsNumber {
    std::int32_t value;
    bool passes;
};
SettingsNumber settingsNumber(const Text& value);

enum class HotkeyVerdict { HotkeyEmpty, HotkeyAccepted, HotkeyWrong };
HotkeyVerdict hotkeyVerdict(const Text& value);

// The name a key press is compared by, and stored as a hotkey: "F1" to "F12"
// for the codes 112 to 123, otherwise the one byte of the code.
Text keyName(int keyCode);

// What the player's start-up concludes from the lines: the hotkey warnings in
// the order they are shown, then at most one fatal verdict.
enum class SettingsVerdict { Accepted, Incomplete, UnrecognisedItem, Invalid };
struct HotkeyWarning {
    int item;
    HotkeyVerdict verdict;
};
struct SettingsCheck {
    std::vector<HotkeyWarning> warnings;
    SettingsVerdict verdict;
};
SettingsCheck checkSettingsLines(const LineList& lines);
