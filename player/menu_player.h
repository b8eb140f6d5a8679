#pragma once
// The menu player: one window showing the menu that the settings file beside
// the program describes. It holds no state of its own: start-up fits the
// window to the settings and draws the entries, and every key press and
// click reads the settings again.

#include "package/text_ops.h"
#include "platform/window.h"

const platform::ControlId titleLabel = 1, authorLabel = 2, menuBoard = 3, webAddressLabel = 4;

// The template's caption, and the caption of every message the player shows.
extern const char* const playerCaption;

extern const platform::WindowSpec menuWindow;
extern const platform::WindowEvents menuWindowEvents;

// Start-up: the program's own name, then the settings file; every fatal
// finding is reported and ends the program, hotkey warnings only inform.
void onMenuWindowCreated();
// Fits the window to settings lines that passed the start-up checks and
// draws one box per entry.
void buildMenuWindow(const LineList& lines);

void onMenuKeyPressed(int keyCode, int modifiers);
void onMenuBoardPressed(int x, int y, int modifiers);
void onWebAddressLabelPressed(int x, int y, int modifiers);
// Hands entry k (from 1) of the settings lines to the shell, or reports that
// its target does not exist.
void openMenuEntry(const LineList& lines, int entry);
