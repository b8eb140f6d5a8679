#include <algorithm>
#include <cassert>

#include "platform/fake/fake_platform.h"

namespace platform::fake {
namespace {

struct State {
    Desktop desktop;
    bool open = false;
    WindowEvents events{};
    std::map<ControlId, Control> controls;
    std::map<ControlId, std::vector<Drawn>> drawings;
    Text fileDialogLastName;
};

State& state() {
    static State current;
    return current;
}

}  // namespace

void reset() { state() = State(); }
Desktop& desktop() { return state().desktop; }
bool windowOpen() { return state().open; }
const WindowEvents& events() { return state().events; }

Control& control(ControlId id) {
    const auto found = state().controls.find(id);
    assert(found != state().controls.end() && "no such control");
    return found->second;
}

const std::vector<Drawn>& drawings(ControlId board) { return state().drawings[board]; }

}  // namespace platform::fake

namespace platform {

using fake::Control;
using fake::control;
using fake::desktop;
using fake::state;

int runWindow(const WindowSpec& design, const WindowEvents& events) {
    auto& current = state();
    current.open = true;
    current.events = events;
    current.controls.clear();
    const ControlSpec window{theWindow, ControlKind::Label, (desktop().screenWidth - design.width) / 2,
                             (desktop().screenHeight - design.height) / 2, design.width, design.height, design.caption, true,
                             false, {}, 0, Align::Left, false, Pointer::Default, nullptr};
    current.controls[theWindow] = {window, design.caption, true, window.left, window.top, design.width, design.height,
                                   InputMode::Normal, {}, -1, Text(), 0};
    for (int i = 0; i < design.controlCount; ++i) {
        const ControlSpec& c = design.controls[i];
        current.controls[c.id] = {c, c.text ? Text(c.text) : Text(), c.shown, c.left, c.top, c.width, c.height,
                                  InputMode::Normal, {}, -1, c.font.face ? Text(c.font.face) : Text(), 0};
    }
    if (events.created) events.created();
    return desktop().exitCode.value_or(0);
}

void setText(ControlId id, const Text& text) { control(id).text = text; }
Text text(ControlId id) { return control(id).text; }
void setVisible(ControlId id, bool visible) { control(id).visible = visible; }
bool visible(ControlId id) { return control(id).visible; }
void setLeft(ControlId id, int left) { control(id).left = left; }
void setTop(ControlId id, int top) { control(id).top = top; }
void setWidth(ControlId id, int width) {
    control(id).width = id == theWindow ? std::max(width, desktop().minimumWindowWidth) : width;
}
void setHeight(ControlId id, int height) {
    control(id).height = id == theWindow ? std::max(height, desktop().minimumWindowHeight) : height;
}
int left(ControlId id) { return control(id).left; }
int top(ControlId id) { return control(id).top; }
int width(ControlId id) { return control(id).width; }
int height(ControlId id) { return control(id).height; }
void setInputMode(ControlId id, InputMode mode) { control(id).inputMode = mode; }

// Emptying the list also empties the edit field, as a real combo box does.
void clearList(ControlId id) {
    control(id).list.clear();
    control(id).selection = -1;
    control(id).text.clear();
}

void addListEntry(ControlId id, const Text& entry) { control(id).list.push_back(entry); }

// Selecting an entry puts it into the edit field, as a real combo box does.
void setListSelection(ControlId id, int index) {
    Control& list = control(id);
    list.selection = index;
    if (index >= 0 && index < static_cast<int>(list.list.size())) list.text = list.list[static_cast<size_t>(index)];
}

Text listText(ControlId id) { return control(id).text; }
void setFontName(ControlId id, const Text& face) { control(id).fontName = face; }

void setFont(ControlId id, const Text& face, int points) {
    control(id).fontName = face;
    control(id).fontPoints = points;
}

void drawRoundedBox(ControlId board, int left, int top, int right, int bottom) {
    state().drawings[board].push_back({fake::Drawn::Box, left, top, right, bottom, Text(), control(board).fontName,
                                       control(board).fontPoints});
}

void drawText(ControlId board, int x, int y, const Text& text) {
    state().drawings[board].push_back({fake::Drawn::TextAt, x, y, 0, 0, text, control(board).fontName,
                                       control(board).fontPoints});
}

void destroyWindow() {
    if (desktop().windowDestroyed) return;
    desktop().windowDestroyed = true;
    if (state().events.destroying) state().events.destroying();
}

Text browseForFolder(const Text& prompt) {
    desktop().folderPrompts.push_back(prompt);
    auto& answers = desktop().folderAnswers;
    if (answers.empty()) return Text();
    const Text answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

bool chooseFile(const FileDialogSpec& dialog, Text& path) {
    desktop().fileDialogs.push_back(dialog);
    desktop().fileDialogStartNames.push_back(state().fileDialogLastName);
    auto& answers = desktop().fileAnswers;
    if (answers.empty()) return false;
    const std::optional<Text> answer = answers.front();
    answers.erase(answers.begin());
    if (!answer) return false;
    path = state().fileDialogLastName = *answer;
    return true;
}

void shellOpen(const Text& target) { desktop().shellOpens.push_back(target); }
std::vector<Text> fontFamilies() { return desktop().fontFamilies; }
int screenWidth() { return desktop().screenWidth; }
int screenHeight() { return desktop().screenHeight; }
void showMessage(const Text& text, const Text& caption) { desktop().messages.push_back({text, caption}); }

void endProgram(int exitCode) {
    if (!desktop().exitCode) desktop().exitCode = exitCode;
}

}  // namespace platform
