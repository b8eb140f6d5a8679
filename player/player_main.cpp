#include <windows.h>

#include "package/line_file.h"
#include "player/menu_player.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    enterProgramFolder();
    return platform::runWindow(menuWindow, menuWindowEvents);
}
