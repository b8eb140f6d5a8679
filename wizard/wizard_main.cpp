#include <windows.h>

#include "package/menu_package.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    enterProgramFolder();
    return 0;
}
