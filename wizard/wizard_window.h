#pragma once
// The menu wizard: one window that asks its questions step by step and
// writes the menu package into the output folder as the user goes on.

#include "package/text_ops.h"
#include "platform/system.h"
#include "platform/window.h"

enum WizardControl : platform::ControlId {
    promptLabel = 1,
    linkLabel,
    fontPreviewLabel,
    fontCombo,
    mainEdit,
    timesLabel,
    secondEdit,
    titleCaption,
    pathCaption,
    hotkeyCaption,
    hotkeyEdit,
    browseButton,
    backButton,
    nextButton,
    cancelButton,
};

enum class WizardStep {
    Welcome,
    TargetFolder,
    IconChoice,
    WindowSize,
    MenuTitle,
    MenuAuthor,
    MenuFont,
    MenuFontSize,
    ItemCount,
    ItemEntry,
    Finished,
};

// All the wizard keeps in memory; every answer lives in the settings file.
struct WizardState {
    WizardStep currentStep = WizardStep::Welcome;
    Text outputFolder;  // as accepted at TargetFolder
    Text chosenFont;
    int itemCount = 0;
    int currentItem = 0;  // the item on screen at ItemEntry, from 1
};
extern WizardState wizard;

extern const platform::WindowSpec wizardWindow;
extern const platform::WindowEvents wizardEvents;
extern const platform::FileDialogSpec iconDialog;

void onWindowCreated();
void onNextClicked();
void onBackClicked();
void onBrowseClicked();
void onHotkeyKeyReleased(int keyCode);
void onFontListSelected();
void onLinkPressed();
void onCancelClicked();
void onWindowDestroying();
