// Writes the settings file of a small menu, as the wizard leaves it with its
// defaults and four entries, into the host folder given:
//   demo_menu FOLDER
// The benchmark starts the player on it; it also shows what the menu looks like.

#include <cstdio>

#include "package/line_file.h"
#include "platform/host/host_files.h"
#include "tests/settings_lines.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo_menu FOLDER\n");
        return 2;
    }
    platform::host::mapDrive('D', argv[1]);
    LineList lines = settingsLines({{"安装软件", "\\setup.exe", "F1"},
                                    {"浏览光盘内容", "", "F2"},
                                    {"阅读说明文件", "\\readme.txt", "R"},
                                    {"查看产品资料", "\\docs", " "}});
    lines[titleLine] = joinText(basicKeys[titleLine - firstBasicLine], "VYR光盘自动播放菜单");
    lines[authorLine] = joinText(basicKeys[authorLine - firstBasicLine], "VYR软件工作室倾情奉献");
    return rewriteAllLines("D:\\VYRrun.shi", lines) ? 0 : 1;
}
