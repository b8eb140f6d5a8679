// The next button: each step checks its answer, replaces a blank or
// malformed one by its default, stores it and shows the following step.

#include "package/line_file.h"
#include "package/menu_package.h"
#include "package/settings_file.h"
#include "platform/files.h"
#include "wizard/answer_rules.h"
#include "wizard/screen.h"
#include "wizard/settings_lines.h"
#include "wizard/wizard_window.h"

using namespace platform;

namespace {

const char* const songTypeface = "宋体";

void enter(WizardStep step) { wizard.currentStep = step; }

void defaultUnlessPositiveInteger(ControlId edit, const char* fallback) {
    if (!isPositiveIntegerText(text(edit))) setText(edit, fallback);
}

void defaultIfEmpty(ControlId edit, const char* fallback) {
    if (text(edit).empty()) setText(edit, fallback);
}

// A line of the basic settings: its key, then the value.
Text basicLine(int line, const Text& value) { return joinText(Text(basicKeys[line - firstBasicLine]), value); }

// The box names the output folder unless it is blank or names nothing; a
// name ending in "\" is taken as typed.
void acceptOutputFolder() {
    const Text typed = text(mainEdit);
    if (!sameText(rightPart(typed, 1), "\\") && !fileExists(typed)) {
        const Text besideWizard = joinText(programFolder(), "\\VYRrunCD");
        setText(mainEdit, besideWizard);
        // The one folder the wizard makes: without it a run with every
        // default would write no package at all.
        if (!fileExists(besideWizard)) createFolder(besideWizard);
    }
    wizard.outputFolder = text(mainEdit);
}

void fillFontList() {
    // Emptied first, so that coming to this step again lists no name twice.
    clearList(fontCombo);
    const LineList entries = fontListEntries(fontFamilies());
    for (size_t k = 0; k < entries.size(); ++k) {
        addListEntry(fontCombo, entries[k]);
        if (sameText(entries[k], songTypeface)) setListSelection(fontCombo, static_cast<int>(k));
    }
}

void welcomeToTargetFolder() {
    enter(WizardStep::TargetFolder);
    showPrompt(WizardStep::TargetFolder);
    setHeight(promptLabel, 32);
    show({mainEdit});
    empty({mainEdit});
    show({browseButton, backButton});
    setText(nextButton, "下一步");
}

void targetFolderToIconChoice() {
    enter(WizardStep::IconChoice);
    acceptOutputFolder();
    writePackageSkeleton(wizard.outputFolder);
    empty({mainEdit});
    showPrompt(WizardStep::IconChoice);
    setHeight(promptLabel, 32);
    setTop(mainEdit, 48);
    setTop(browseButton, 48);
}

void iconChoiceToWindowSize() {
    enter(WizardStep::WindowSize);
    writePackageIcon(wizard.outputFolder, text(mainEdit));
    hide({browseButton});
    show({timesLabel, secondEdit});
    showPrompt(WizardStep::WindowSize);
    empty({mainEdit, secondEdit});
    setWidth(mainEdit, 80);
    setInputModes({mainEdit, secondEdit}, InputMode::Integer);
}

void windowSizeToMenuTitle() {
    enter(WizardStep::MenuTitle);
    defaultUnlessPositiveInteger(mainEdit, "800");
    defaultUnlessPositiveInteger(secondEdit, "600");
    appendSettings({basicLine(widthLine, text(mainEdit)), basicLine(heightLine, text(secondEdit))});
    showPrompt(WizardStep::MenuTitle);
    empty({mainEdit, secondEdit});
    setWidth(mainEdit, 256);
    hide({timesLabel, secondEdit});
    setInputMode(mainEdit, InputMode::Normal);
}

void menuTitleToMenuAuthor() {
    enter(WizardStep::MenuAuthor);
    defaultIfEmpty(mainEdit, "VYR光盘自动播放菜单");
    appendSettings({basicLine(titleLine, text(mainEdit))});
    showPrompt(WizardStep::MenuAuthor);
    empty({mainEdit});
}

void menuAuthorToMenuFont() {
    enter(WizardStep::MenuFont);
    defaultIfEmpty(mainEdit, "VYR软件工作室倾情奉献");
    appendSettings({basicLine(authorLine, text(mainEdit))});
    showPrompt(WizardStep::MenuFont);
    empty({mainEdit});
    hide({mainEdit});
    show({fontCombo, fontPreviewLabel});
    fillFontList();
    setFontName(fontPreviewLabel, songTypeface);
}

void menuFontToMenuFontSize() {
    enter(WizardStep::MenuFontSize);
    wizard.chosenFont = listText(fontCombo);
    appendSettings({basicLine(fontNameLine, wizard.chosenFont)});
    showPrompt(WizardStep::MenuFontSize);
    hide({fontCombo, fontPreviewLabel});
    show({mainEdit});
    setInputMode(mainEdit, InputMode::Integer);
}

void menuFontSizeToItemCount() {
    enter(WizardStep::ItemCount);
    defaultUnlessPositiveInteger(mainEdit, "18");
    appendSettings({basicLine(fontSizeLine, text(mainEdit))});
    showPrompt(WizardStep::ItemCount);
    empty({mainEdit});
}

void itemCountToItemEntry() {
    enter(WizardStep::ItemEntry);
    hide({linkLabel});
    defaultUnlessPositiveInteger(mainEdit, "1");
    wizard.itemCount = textToInteger(text(mainEdit));
    wizard.currentItem = 1;
    appendSettings({basicLine(itemCountLine, text(mainEdit)), menuSectionLine});
    showPrompt(WizardStep::ItemEntry);
    place(mainEdit, 48, 32, 216);
    empty({mainEdit, secondEdit, hotkeyEdit});
    place(secondEdit, 48, 64, 152);
    setTop(browseButton, 64);
    setInputModes({mainEdit, secondEdit}, InputMode::Normal);
    show({secondEdit, hotkeyEdit, titleCaption, pathCaption, hotkeyCaption, browseButton});
}

void enterFinished() {
    enter(WizardStep::Finished);
    setHeight(promptLabel, 112);
    showPrompt(WizardStep::Finished);
    show({linkLabel});
    hide({titleCaption, pathCaption, hotkeyCaption, mainEdit, secondEdit, hotkeyEdit, browseButton});
    setText(nextButton, "预览");
    setText(cancelButton, "完成");
}

// Stores the item on screen, then shows the next item or the closing text.
void storeItem() {
    ++wizard.currentItem;
    const int item = wizard.currentItem - 1;
    if (wizard.currentItem > wizard.itemCount)
        enterFinished();
    else
        showPrompt(WizardStep::ItemEntry);
    setText(secondEdit, storedItemPath(text(secondEdit), wizard.outputFolder));
    // The player refuses an empty hotkey but takes a single space.
    defaultIfEmpty(hotkeyEdit, " ");
    appendSettings({joinText(itemKey(item, TitleSlot), text(mainEdit)),
                    joinText(itemKey(item, PathSlot), text(secondEdit)),
                    joinText(itemKey(item, HotkeySlot), text(hotkeyEdit))});
    empty({mainEdit, secondEdit, hotkeyEdit});
}

}  // namespace

void onNextClicked() {
    switch (wizard.currentStep) {
        case WizardStep::Welcome: welcomeToTargetFolder(); break;
        case WizardStep::TargetFolder: targetFolderToIconChoice(); break;
        case WizardStep::IconChoice: iconChoiceToWindowSize(); break;
        case WizardStep::WindowSize: windowSizeToMenuTitle(); break;
        case WizardStep::MenuTitle: menuTitleToMenuAuthor(); break;
        case WizardStep::MenuAuthor: menuAuthorToMenuFont(); break;
        case WizardStep::MenuFont: menuFontToMenuFontSize(); break;
        case WizardStep::MenuFontSize: menuFontSizeToItemCount(); break;
        case WizardStep::ItemCount: itemCountToItemEntry(); break;
        case WizardStep::ItemEntry: storeItem(); break;
        case WizardStep::Finished: shellOpen(joinText(wizard.outputFolder, playerSuffix)); break;
    }
}
