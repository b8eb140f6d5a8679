// The back button: shows the previous step with its earlier answer, read
// back from the settings file, and takes that answer's lines out of the file
// so that Next appends them anew.

#include "package/menu_package.h"
#include "package/settings_file.h"
#include "wizard/screen.h"
#include "wizard/settings_lines.h"
#include "wizard/wizard_window.h"

using namespace platform;

namespace {

void returnTo(WizardStep step) { wizard.currentStep = step; }

Text itemValue(const LineList& lines, int item, ItemSlot slot) {
    return lineValue(lines, itemLine(item, slot), textLength(itemKey(item, slot)));
}

// The item's answers back in their boxes, its path inside the output folder again.
void restoreItem(int item) {
    const LineList lines = readSettings();
    setText(mainEdit, itemValue(lines, item, TitleSlot));
    setText(secondEdit, joinText(wizard.outputFolder, itemValue(lines, item, PathSlot)));
    setText(hotkeyEdit, itemValue(lines, item, HotkeySlot));
    dropLastLines(lines, 3, itemLine(item, TitleSlot));
}

void backToWelcome() {
    returnTo(WizardStep::Welcome);
    showPrompt(WizardStep::Welcome);
    setHeight(promptLabel, 112);
    hide({mainEdit, browseButton, backButton});
    setText(nextButton, "确定");
}

void backToTargetFolder() {
    returnTo(WizardStep::TargetFolder);
    showPrompt(WizardStep::TargetFolder);
    setText(mainEdit, wizard.outputFolder);
}

void backToIconChoice() {
    returnTo(WizardStep::IconChoice);
    showPrompt(WizardStep::IconChoice);
    setWidth(mainEdit, 192);
    show({browseButton});
    hide({timesLabel, secondEdit});
    setInputMode(mainEdit, InputMode::Normal);
    // The icon Next put into the package, whichever file it came from.
    setText(mainEdit, joinText(wizard.outputFolder, iconSuffix));
}

void backToWindowSize() {
    returnTo(WizardStep::WindowSize);
    show({timesLabel, secondEdit});
    showPrompt(WizardStep::WindowSize);
    setWidth(mainEdit, 80);
    setInputModes({mainEdit, secondEdit}, InputMode::Integer);
    const LineList lines = readSettings();
    setText(mainEdit, basicValue(lines, widthLine));
    setText(secondEdit, basicValue(lines, heightLine));
    dropLastLines(lines, 2, widthLine);
}

void backToMenuTitle() {
    returnTo(WizardStep::MenuTitle);
    showPrompt(WizardStep::MenuTitle);
    const LineList lines = readSettings();
    setText(mainEdit, basicValue(lines, titleLine));
    dropLastLines(lines, 1, titleLine);
}

void backToMenuAuthor() {
    returnTo(WizardStep::MenuAuthor);
    showPrompt(WizardStep::MenuAuthor);
    empty({mainEdit});
    show({mainEdit});
    hide({fontCombo, fontPreviewLabel});
    const LineList lines = readSettings();
    setText(mainEdit, basicValue(lines, authorLine));
    dropLastLines(lines, 1, authorLine);
}

// The font list still holds its entries and the text it showed.
void backToMenuFont() {
    returnTo(WizardStep::MenuFont);
    showPrompt(WizardStep::MenuFont);
    show({fontCombo, fontPreviewLabel});
    hide({mainEdit});
    setInputMode(mainEdit, InputMode::Normal);
    dropLastLines(readSettings(), 1, fontNameLine);
}

void backToMenuFontSize() {
    returnTo(WizardStep::MenuFontSize);
    showPrompt(WizardStep::MenuFontSize);
    empty({mainEdit});
    const LineList lines = readSettings();
    setText(mainEdit, basicValue(lines, fontSizeLine));
    dropLastLines(lines, 1, fontSizeLine);
}

void backToItemCount() {
    returnTo(WizardStep::ItemCount);
    show({linkLabel});
    showPrompt(WizardStep::ItemCount);
    empty({mainEdit});
    setInputMode(mainEdit, InputMode::Integer);
    place(mainEdit, 8, 48, 256);
    place(secondEdit, 136, 48, 80);
    setTop(browseButton, 48);
    hide({secondEdit, hotkeyEdit, titleCaption, pathCaption, hotkeyCaption, browseButton});
    const LineList lines = readSettings();
    setText(mainEdit, basicValue(lines, itemCountLine));
    // The item count and the section line that came with it.
    dropLastLines(lines, 2, itemCountLine);
}

// Whatever was typed for the item on screen is discarded.
void backToPreviousItem() {
    --wizard.currentItem;
    showPrompt(WizardStep::ItemEntry);
    restoreItem(wizard.currentItem);
}

void backToLastItem() {
    returnTo(WizardStep::ItemEntry);
    wizard.currentItem = wizard.itemCount;
    showPrompt(WizardStep::ItemEntry);
    setHeight(promptLabel, 32);
    setText(nextButton, "下一步");
    setText(cancelButton, "取消");
    hide({linkLabel});
    show({mainEdit, secondEdit, hotkeyEdit, titleCaption, pathCaption, hotkeyCaption, browseButton});
    restoreItem(wizard.currentItem);
}

}  // namespace

void onBackClicked() {
    switch (wizard.currentStep) {
        case WizardStep::Welcome: break;  // the button is hidden there
        case WizardStep::TargetFolder: backToWelcome(); break;
        case WizardStep::IconChoice: backToTargetFolder(); break;
        case WizardStep::WindowSize: backToIconChoice(); break;
        case WizardStep::MenuTitle: backToWindowSize(); break;
        case WizardStep::MenuAuthor: backToMenuTitle(); break;
        case WizardStep::MenuFont: backToMenuAuthor(); break;
        case WizardStep::MenuFontSize: backToMenuFont(); break;
        case WizardStep::ItemCount: backToMenuFontSize(); break;
        case WizardStep::ItemEntry:
            if (wizard.currentItem == 1)
                backToItemCount();
            else
                backToPreviousItem();
            break;
        case WizardStep::Finished: backToLastItem(); break;
    }
}
