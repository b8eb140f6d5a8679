#pragma once
// The wizard started from a sandbox folder on the fake desktop, driven the
// way a user drives it: typing into boxes, pressing the buttons on screen,
// and looking at the screen and at the files in the output folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "package/line_file.h"
#include "package/menu_package.h"
#include "platform/fake/fake_platform.h"
#include "platform/host/host_files.h"
#include "tests/settings_lines.h"
#include "tests/support/sandbox.h"
#include "wizard/wizard_window.h"

// The wizard lies in the sandbox; its default output folder is beside it.
const Text defaultFolder = "C:\\sandbox\\VYRrunCD";

inline LineList withHeader(const LineList& lines) {
    LineList all(settingsHeader, settingsHeader + settingsHeaderLineCount);
    all.insert(all.end(), lines.begin(), lines.end());
    return all;
}

// The lines of a run through all steps with every default and the given items.
inline LineList defaultLines(const LineList& itemLines = {"菜单1标题=", "菜单1路径=", "菜单1热键= "}) {
    LineList lines = withHeader({"宽度=800", "高度=600", "标题=VYR光盘自动播放菜单", "作者=VYR软件工作室倾情奉献",
                                 "字体=宋体", "字号=18", "数量=1", "【菜单设置】"});
    lines.insert(lines.end(), itemLines.begin(), itemLines.end());
    return lines;
}

class WizardTest : public ::testing::Test {
protected:
    WizardTest() { start(); }

    // Starts the wizard afresh on a new desktop; the files stay.
    void start() {
        platform::fake::reset();
        desktop().fontFamilies = {"Arial", "宋体", "宋体", "黑体"};
        wizard = WizardState();
        platform::host::setExecutablePath(box.path("VYRwizard.exe"));
        enterProgramFolder();
        platform::runWindow(wizardWindow, wizardEvents);
    }

    static platform::fake::Desktop& desktop() { return platform::fake::desktop(); }
    static platform::fake::Control& control(platform::ControlId id) { return platform::fake::control(id); }

    // A user can press only a button that is on screen.
    static void press(platform::ControlId button) {
        ASSERT_TRUE(platform::visible(button)) << "button " << button << " is hidden";
        platform::fake::events().buttonClicked(button);
    }
    static void next() { press(nextButton); }
    static void back() { press(backButton); }
    static void type(platform::ControlId box, const Text& text) { control(box).text = text; }
    static void releaseKey(int keyCode) { platform::fake::events().keyReleased(hotkeyEdit, keyCode); }
    static void chooseFont(const Text& name) {
        const std::vector<Text>& list = control(fontCombo).list;
        const auto entry = std::find(list.begin(), list.end(), name);
        ASSERT_NE(entry, list.end()) << name << " is not in the font list";
        platform::setListSelection(fontCombo, static_cast<int>(entry - list.begin()));
        platform::fake::events().listSelected(fontCombo);
    }

    // Next with the boxes as they are until the step is on screen.
    static void nextUntil(WizardStep step) {
        for (int presses = 0; wizard.currentStep != step && presses < 1000; ++presses) next();
        ASSERT_EQ(wizard.currentStep, step);
    }
    // Back until the step is on screen.
    static void backUntil(WizardStep step) {
        for (int presses = 0; wizard.currentStep != step && presses < 1000; ++presses) back();
        ASSERT_EQ(wizard.currentStep, step);
    }
    // Through every step to the end with one item, everything left blank.
    static void runWithDefaults() { nextUntil(WizardStep::Finished); }

    LineList settingsIn(const Text& folder) const {
        return splitText(box.bytes(joinText(folder, "\\VYRrun.shi")).value_or(""), "\r\n");
    }
    // The settings file of the default output folder, as lines.
    LineList settings() const { return settingsIn("VYRrunCD"); }
    bool packageFileIn(const Text& folder, const char* suffix) const {
        return box.bytes(joinText(folder, suffix)).has_value();
    }

    // What is on screen: each visible control in the order of the window's
    // table, with its place, an edit box's input mode and a button's caption.
    static std::string screen() {
        static const std::pair<platform::ControlId, const char*> names[] = {
            {promptLabel, "prompt"},      {linkLabel, "link"},           {fontPreviewLabel, "sample"},
            {fontCombo, "fonts"},         {mainEdit, "main"},            {timesLabel, "times"},
            {secondEdit, "second"},       {titleCaption, "titleCap"},    {pathCaption, "pathCap"},
            {hotkeyCaption, "hotkeyCap"}, {hotkeyEdit, "hotkey"},        {browseButton, "browse"},
            {backButton, "back"},         {nextButton, "next"},          {cancelButton, "cancel"}};
        std::string shown;
        for (const auto& [id, name] : names) {
            const platform::fake::Control& c = control(id);
            if (!c.visible) continue;
            if (!shown.empty()) shown += "; ";
            shown += std::string(name) + " " + std::to_string(c.left) + "," + std::to_string(c.top) + "," +
                     std::to_string(c.width);
            if (id == promptLabel) shown += "x" + std::to_string(c.height);
            if (c.inputMode == platform::InputMode::Integer) shown += " integer";
            if (c.design.kind == platform::ControlKind::Button) shown += " " + c.text;
        }
        return shown;
    }

    Sandbox box;
};

// A case of a table, known by its id in test names and messages.
struct NamedCase {
    const char* id;
};
inline std::ostream& operator<<(std::ostream& out, const NamedCase& c) { return out << c.id; }

// A table of cases, each run by a wizard of its own.
template <typename Case>
class WizardCases : public WizardTest, public ::testing::WithParamInterface<Case> {};

// Names a case after its id.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.id;
    }
};

// What each step shows.
namespace screens {
const std::string buttonsFromTargetFolder = "back 24,128,64 上一步; next 104,128,64 下一步; cancel 184,128,64 取消";
const std::string welcome = "prompt 8,8,256x112; link 8,80,256; next 104,128,64 确定; cancel 184,128,64 取消";
const std::string folderOrIcon =
    "prompt 8,8,256x32; link 8,80,256; main 8,48,192; browse 208,48,56 浏览…; " + buttonsFromTargetFolder;
const std::string windowSize = "prompt 8,8,256x32; link 8,80,256; main 8,48,80 integer; times 104,48,24; "
                               "second 136,48,80 integer; " + buttonsFromTargetFolder;
const std::string titleOrAuthor = "prompt 8,8,256x32; link 8,80,256; main 8,48,256; " + buttonsFromTargetFolder;
const std::string font = "prompt 8,8,256x32; link 8,80,256; sample 104,48,160; fonts 8,48,96; " + buttonsFromTargetFolder;
const std::string numberBox = "prompt 8,8,256x32; link 8,80,256; main 8,48,256 integer; " + buttonsFromTargetFolder;
const std::string itemEntry = "prompt 8,8,256x32; main 48,32,216; second 48,64,152; titleCap 16,32,32; "
                              "pathCap 16,64,32; hotkeyCap 16,96,32; hotkey 48,96,216; browse 208,64,56 浏览…; " +
                              buttonsFromTargetFolder;
const std::string finished =
    "prompt 8,8,256x112; link 8,80,256; back 24,128,64 上一步; next 104,128,64 预览; cancel 184,128,64 完成";
}  // namespace screens
