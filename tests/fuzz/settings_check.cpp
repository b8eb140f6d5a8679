// checkSettingsLines over the lines of any file: the verdict follows the
// order of the checks (too few lines, then each item line's key, then the
// header), and the hotkey warnings are exactly the items, in ascending order,
// whose hotkey line was reached and is empty or wrong.

#include "package/menu_package.h"
#include "package/settings_file.h"
#include "tests/fuzz/fuzz_input.h"

static bool headerMatches(const LineList& lines) {
    for (int k = 0; k < settingsHeaderLineCount; ++k)
        if (lines[k] != settingsHeader[k]) return false;
    for (int k = 0; k < 7; ++k)
        if (lines[firstBasicLine + k].compare(0, basicKeyLength, basicKeys[k]) != 0) return false;
    return lines[12] == menuSectionLine;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const LineList lines = linesBetweenLineEnds(readablePart(std::string(reinterpret_cast<const char*>(data), size)));
    const SettingsCheck check = checkSettingsLines(lines);
    const int count = static_cast<int>(lines.size());

    int previous = 0;
    for (const HotkeyWarning& warning : check.warnings) {
        EXPECT_PROPERTY(warning.item > previous);
        previous = warning.item;
        EXPECT_PROPERTY(warning.verdict != HotkeyVerdict::HotkeyAccepted);
    }

    if (count < firstItemLine) {
        EXPECT_PROPERTY(check.verdict == SettingsVerdict::Incomplete);
        EXPECT_PROPERTY(check.warnings.empty());
        return 0;
    }

    // Every item line up to the first one without its key, and the warnings
    // their hotkey lines give.
    const Text menuWord = leftPart(itemKey(1, TitleSlot), 4);
    std::vector<HotkeyWarning> warnings;
    int k = firstItemLine;
    for (; k < count; ++k) {
        const int item = (k - firstItemLine) / 3 + 1;
        const auto slot = static_cast<ItemSlot>((k - firstItemLine) % 3);
        const Text key = joinText(menuWord, integerToText(item), itemSlotKeys[slot]);
        const int keyLength = item <= 9 ? 10 : 11;
        if (lines[k].compare(0, static_cast<std::size_t>(keyLength), key) != 0) break;
        if (slot != HotkeySlot) continue;
        const HotkeyVerdict verdict = hotkeyVerdict(lines[k].substr(static_cast<std::size_t>(keyLength)));
        if (verdict != HotkeyVerdict::HotkeyAccepted) warnings.push_back({item, verdict});
    }
    EXPECT_PROPERTY(check.warnings.size() == warnings.size());
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        EXPECT_PROPERTY(check.warnings[i].item == warnings[i].item);
        EXPECT_PROPERTY(check.warnings[i].verdict == warnings[i].verdict);
    }

    if (k < count) {
        EXPECT_PROPERTY(check.verdict == SettingsVerdict::UnrecognisedItem);
    } else if (!headerMatches(lines)) {
        EXPECT_PROPERTY(check.verdict == SettingsVerdict::Invalid);
    } else {
        EXPECT_PROPERTY(check.verdict == SettingsVerdict::Accepted);
        // At most 99 items: the key of item 100 is longer than the reader compares.
        EXPECT_PROPERTY(count <= firstItemLine + 3 * 99);
    }
    return 0;
}
