#include "wizard/screen.h"

#include "wizard/prompts.h"

void showPrompt(WizardStep step) { platform::setText(promptLabel, stepPrompt(step)); }

void show(Controls controls) {
    for (platform::ControlId control : controls) platform::setVisible(control, true);
}

void hide(Controls controls) {
    for (platform::ControlId control : controls) platform::setVisible(control, false);
}

void empty(Controls controls) {
    for (platform::ControlId control : controls) platform::setText(control, Text());
}

void place(platform::ControlId control, int left, int top, int width) {
    platform::setLeft(control, left);
    platform::setTop(control, top);
    platform::setWidth(control, width);
}

void setInputModes(Controls edits, platform::InputMode mode) {
    for (platform::ControlId edit : edits) platform::setInputMode(edit, mode);
}
