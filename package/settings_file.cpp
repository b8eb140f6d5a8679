#include "package/settings_file.h"

#include "package/line_file.h"
#include "package/menu_package.h"

const char* const settingsFileName = "VYRrun.shi";
const char* const basicKeys[7] = {"宽度=", "高度=", "标题=", "作者=", "字体=", "字号=", "数量="};
const char* const menuSectionLine = "【菜单设置】";
const char* const itemSlotKeys[3] = {"标题=", "路径=", "热键="};

Text itemKey(int item, ItemSlot slot) { return joinText("菜单", integerToText(item), itemSlotKeys[slot]); }

int itemLine(int item, ItemSlot slot) { return 3 * item + 10 + slot; }

LineList readSettingsLines() { return readAllLines(settingsFileName, OpenFor::Reading); }

Text valueAfterKey(const Text& line, int keyLength) { return rightPart(line, textLength(line) - keyLength); }

Text lineValue(const LineList& lines, int line, int keyLength) {
    if (line >= static_cast<int>(lines.size())) return Text();
    return valueAfterKey(lines[static_cast<size_t>(line)], keyLength);
}

Text basicValue(const LineList& lines, int line) { return lineValue(lines, line, basicKeyLength); }

int itemKeyLength(int lineIndex) { return lineIndex <= 39 ? 10 : 11; }

SettingsNumber settingsNumber(const Text& value) {
    const std::int32_t number = textToInteger(value);
    return {number, textLength(integerToText(number)) == textLength(value)};
}

static const char* const functionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
const int firstFunctionKey = 112;

HotkeyVerdict hotkeyVerdict(const Text& value) {
    switch (textLength(value)) {
        case 0: return HotkeyVerdict::HotkeyEmpty;
        case 1: return HotkeyVerdict::HotkeyAccepted;
        case 2:
        case 3:
            for (const char* name : functionKeys)
                if (sameText(value, name)) return HotkeyVerdict::HotkeyAccepted;
            return HotkeyVerdict::HotkeyWrong;
        default: return HotkeyVerdict::HotkeyWrong;
    }
}

Text keyName(int keyCode) {
    const int function = keyCode - firstFunctionKey;
    if (function >= 0 && function < 12) return functionKeys[function];
    return charFromCode(keyCode);
}

static bool headerMatches(const LineList& lines) {
    for (int k = 0; k < settingsHeaderLineCount; ++k)
        if (!sameText(lines[k], settingsHeader[k])) return false;
    for (int k = 0; k < 7; ++k)
        if (!sameText(leftPart(lines[firstBasicLine + k], basicKeyLength), basicKeys[k])) return false;
    return sameText(lines[12], menuSectionLine);
}

SettingsCheck checkSettingsLines(const LineList& lines) {
    SettingsCheck check{{}, SettingsVerdict::Accepted};
    const int count = static_cast<int>(lines.size());
    if (count < firstItemLine) {
        check.verdict = SettingsVerdict::Incomplete;
        return check;
    }
    for (int k = firstItemLine; k < count; ++k) {
        const auto slot = static_cast<ItemSlot>((k - firstItemLine) % 3);
        const int item = (k - firstItemLine) / 3 + 1;
        const int keyLength = itemKeyLength(k);
        if (!sameText(leftPart(lines[k], keyLength), itemKey(item, slot))) {
            check.verdict = SettingsVerdict::UnrecognisedItem;
            return check;
        }
        if (slot != HotkeySlot) continue;
        const HotkeyVerdict verdict = hotkeyVerdict(valueAfterKey(lines[k], keyLength));
        if (verdict != HotkeyVerdict::HotkeyAccepted) check.warnings.push_back({item, verdict});
    }
    if (!headerMatches(lines)) check.verdict = SettingsVerdict::Invalid;
    return check;
}
