#include "wizard/wizard_window.h"

WizardState wizard;

// The window as made is the Welcome screen.
void onWindowCreated() { wizard.currentStep = WizardStep::Welcome; }
