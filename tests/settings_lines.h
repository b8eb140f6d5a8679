#pragma once
// Settings files as the wizard writes them, for tests to start from.

#include "package/menu_package.h"
#include "package/settings_file.h"
#include "package/text_ops.h"

struct TestItem {
    Text title, path, hotkey;
};

inline LineList settingsLines(const std::vector<TestItem>& items, const Text& width = "800", const Text& height = "600",
                              const Text& fontSize = "18", const Text& count = "") {
    LineList lines(settingsHeader, settingsHeader + settingsHeaderLineCount);
    const Text values[7] = {width, height, "标题", "作者", "宋体", fontSize,
                            count.empty() ? integerToText(static_cast<int>(items.size())) : count};
    for (int k = 0; k < 7; ++k) lines.push_back(joinText(basicKeys[k], values[k]));
    lines.push_back(menuSectionLine);
    for (size_t i = 0; i < items.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        lines.push_back(joinText(itemKey(n, TitleSlot), items[i].title));
        lines.push_back(joinText(itemKey(n, PathSlot), items[i].path));
        lines.push_back(joinText(itemKey(n, HotkeySlot), items[i].hotkey));
    }
    return lines;
}

inline std::vector<TestItem> numberedItems(int count, const Text& hotkey = "A") {
    std::vector<TestItem> items;
    for (int n = 1; n <= count; ++n) items.push_back({joinText("项目", integerToText(n)), "\\a.txt", hotkey});
    return items;
}

inline std::string fileBytes(const LineList& lines) {
    std::string bytes;
    for (const Text& line : lines) bytes += line + "\r\n";
    return bytes;
}
