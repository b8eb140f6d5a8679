#include <windows.h>

#include "package/line_file.h"
#include "wizard/wizard_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    enterProgramFolder();
    return platform::runWindow(wizardWindow, wizardEvents);
}
