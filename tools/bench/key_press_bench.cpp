// Times the player's key press on a menu of 99 entries, the most the player
// accepts: the settings file read afresh and every hotkey compared before the
// last entry matches and is opened (on the fake desktop, with host files).

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "package/line_file.h"
#include "platform/fake/fake_platform.h"
#include "platform/host/host_files.h"
#include "player/menu_player.h"
#include "tests/settings_lines.h"

int main() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("vyr-key-press-" + std::to_string(getpid()));
    fs::create_directories(folder);
    platform::host::mapDrive('C', folder);
    std::vector<TestItem> items = numberedItems(99);
    items.back().hotkey = "Z";
    rewriteAllLines("C:\\VYRrun.shi", settingsLines(items));
    writeWholeFile("C:\\a.txt", "");
    platform::host::setExecutablePath("C:\\VYRrun.exe");
    enterProgramFolder();
    platform::runWindow(menuWindow, menuWindowEvents);

    std::vector<double> milliseconds;
    for (int press = 0; press < 2000; ++press) {
        const auto start = std::chrono::steady_clock::now();
        onMenuKeyPressed('Z', 0);
        milliseconds.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    fs::remove_all(folder);
    if (platform::fake::desktop().shellOpens.empty()) {
        std::fprintf(stderr, "the key press opened nothing: nothing was measured\n");
        return 1;
    }
    std::printf("%.4f %.4f\n", milliseconds[milliseconds.size() / 2], milliseconds.back());
    return 0;
}
