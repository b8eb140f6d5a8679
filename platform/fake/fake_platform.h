#pragma once
// The test backend: one screen of a chosen size, controls as plain records,
// dialogs that answer what the test scripted, and a record of everything the
// program drew, opened and showed.

#include <map>
#include <optional>
#include <vector>

#include "platform/system.h"
#include "platform/window.h"

namespace platform::fake {

struct Control {
    ControlSpec design;
    Text text;
    bool visible;
    int left, top, width, height;
    InputMode inputMode;
    std::vector<Text> list;
    int selection;  // -1: none
    Text fontName;
    int fontPoints;
};

struct Drawn {
    enum Kind { Box, TextAt } kind;
    int left, top, right, bottom;  // a text's position is left, top
    Text text;
    Text fontFace;
    int fontPoints;
};

struct Message {
    Text text, caption;
};

struct Desktop {
    int screenWidth = 1024, screenHeight = 768;
    int minimumWindowWidth = 112, minimumWindowHeight = 27;  // what Windows imposes on a captioned window
    std::vector<Text> fontFamilies;
    // Answers of the next dialogs, first first; the folder browser answers
    // "" (cancel) and the file dialog cancels when none is left.
    std::vector<Text> folderAnswers;
    std::vector<std::optional<Text>> fileAnswers;
    // What the program did.
    std::vector<Text> folderPrompts;
    std::vector<FileDialogSpec> fileDialogs;
    std::vector<Text> fileDialogStartNames;
    std::vector<Text> shellOpens;
    std::vector<Message> messages;
    std::optional<int> exitCode;
    bool windowDestroyed = false;
};

// Forgets the window and everything recorded; a new desktop.
void reset();
Desktop& desktop();
// Whether runWindow has made a window since the last reset.
bool windowOpen();
const WindowEvents& events();
Control& control(ControlId id);
const std::vector<Drawn>& drawings(ControlId board);

}  // namespace platform::fake
