#pragma once
// The verbs the steps use to change the screen.

#include <initializer_list>

#include "wizard/wizard_window.h"

using Controls = std::initializer_list<platform::ControlId>;

// The prompt of the step; at ItemEntry, of the item on screen.
void showPrompt(WizardStep step);
void show(Controls controls);
void hide(Controls controls);
void empty(Controls controls);
void place(platform::ControlId control, int left, int top, int width);
void setInputModes(Controls edits, platform::InputMode mode);
