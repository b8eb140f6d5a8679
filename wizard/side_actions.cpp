// What the wizard does besides going forward and back: browsing, hotkey
// capture, the font sample, the link, and ending the program.

#include "package/menu_package.h"
#include "package/settings_file.h"
#include "wizard/wizard_window.h"

using namespace platform;

void onBrowseClicked() {
    switch (wizard.currentStep) {
        case WizardStep::TargetFolder: {
            const Text folder = browseForFolder("选择写入光盘的文件目录，尽量不要使用硬盘分区根目录");
            if (!folder.empty()) setText(mainEdit, folder);
            break;
        }
        case WizardStep::IconChoice: {
            Text icon;
            if (chooseFile(iconDialog, icon)) setText(mainEdit, icon);
            break;
        }
        default:
            // A cancelled browser clears the item's path box.
            setText(secondEdit, browseForFolder("    选择加入菜单的文件路径，如果路径不属于光盘目录或不存在，则默认路径为光盘目录"));
            break;
    }
}

// The key released last names the hotkey, whatever was typed before.
void onHotkeyKeyReleased(int keyCode) { setText(hotkeyEdit, keyName(keyCode)); }

void onFontListSelected() { setFontName(fontPreviewLabel, listText(fontCombo)); }

void onLinkPressed() { shellOpen(headerAddress); }

// Ends the program; an unfinished package goes with it.
void onCancelClicked() {
    if (wizard.currentStep != WizardStep::Finished) removePackage(wizard.outputFolder);
    endProgram(0);
}

void onWindowDestroying() { onCancelClicked(); }
