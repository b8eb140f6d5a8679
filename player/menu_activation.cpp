#include "package/line_file.h"
#include "package/menu_package.h"
#include "platform/system.h"
#include "player/menu_layout.h"
#include "player/menu_player.h"
#include "player/menu_settings.h"

using namespace platform;

const int escapeKey = 27;

// Every handler reads the settings afresh. Start-up has checked their form;
// a file that has gone since (a disc taken out) gives fewer lines, and then
// there is simply nothing to open.

void onMenuKeyPressed(int keyCode, int modifiers) {
    if (modifiers != 0) return;
    if (keyCode == escapeKey) return destroyWindow();
    const LineList lines = readSettingsLines();
    const Text name = keyName(keyCode);
    const int entries = entriesPresent(lines);
    for (int entry = 1; entry <= entries; ++entry)
        if (sameText(entryValue(lines, entry, HotkeySlot), name)) return openMenuEntry(lines, entry);
}

void onMenuBoardPressed(int x, int y, int) {
    const LineList lines = readSettingsLines();
    if (static_cast<int>(lines.size()) < firstItemLine) return;
    const int boardHeight = height(menuBoard);
    const int fontSize = effectiveFontSize(lines, boardHeight);
    const int entry = entryAt(x, y, width(theWindow), fontSize, displayedEntryCount(lines, boardHeight, fontSize));
    if (entry != 0) openMenuEntry(lines, entry);
}

void openMenuEntry(const LineList& lines, int entry) {
    const Text path = entryValue(lines, entry, PathSlot);
    // No path stands for the player's own folder, which is there.
    if (path.empty()) return shellOpen(programFolder());
    const Text target = joinText(programFolder(), path);
    if (fileExists(target))
        shellOpen(target);
    else
        showMessage("菜单路径指向有误！文件打开失败！", playerCaption);
}

void onWebAddressLabelPressed(int, int, int) { shellOpen(headerAddress); }
