#include <windows.h>

#include "package/line_file.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    enterProgramFolder();
    return 0;
}
