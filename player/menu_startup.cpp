#include "package/line_file.h"
#include "package/settings_file.h"
#include "platform/system.h"
#include "player/menu_player.h"

// Reports a fatal finding; the program ends with it.
static void endWith(const char* message) {
    platform::showMessage(message, playerCaption);
    platform::endProgram(0);
}

static Text hotkeyWarning(const HotkeyWarning& warning) {
    const char* const problem = warning.verdict == HotkeyVerdict::HotkeyEmpty ? "热键值为空！该项热键无效！"
                                                                               : "热键值错误！该项热键无效！";
    return joinText("菜单项", integerToText(warning.item), problem);
}

static const char* fatalMessage(SettingsVerdict verdict) {
    switch (verdict) {
        case SettingsVerdict::Incomplete: return "配置文件不完整或没有菜单项！启动失败！";
        case SettingsVerdict::UnrecognisedItem: return "存在无法识别菜单项！启动失败！";
        default: return "配置文件不合法！光盘菜单启动失败！";
    }
}

void onMenuWindowCreated() {
    if (!sameText(programFileName(), "VYRrun.exe")) return endWith("主程序文件名错误！请更改为VYRrun.exe！");
    if (!fileExists(settingsFileName)) return endWith("配置文件不存在！无法启动光盘菜单！");
    const LineList lines = readSettingsLines();
    const SettingsCheck check = checkSettingsLines(lines);
    for (const HotkeyWarning& warning : check.warnings) platform::showMessage(hotkeyWarning(warning), playerCaption);
    if (check.verdict != SettingsVerdict::Accepted) return endWith(fatalMessage(check.verdict));
    buildMenuWindow(lines);
}
