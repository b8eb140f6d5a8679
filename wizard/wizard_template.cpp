// The wizard's window as it is made, and which handler each event runs.

#include "wizard/prompts.h"
#include "wizard/wizard_window.h"

using platform::Align;
using platform::ControlKind;
using platform::ControlSpec;
using platform::FontSpec;
using platform::Pointer;

namespace {

const FontSpec defaultFont = {nullptr, 0, 0, false};
const FontSpec linkFont = {"华文隶书", 20, 700, true};
const FontSpec previewFont = {"宋体", 19, 400, false};
const FontSpec timesFont = {"宋体", 19, 700, false};

constexpr ControlSpec control(platform::ControlId id, ControlKind kind, int left, int top, int width, int height,
                              const char* text, bool shown, bool tabStop, FontSpec font = defaultFont) {
    return {id, kind, left, top, width, height, text, shown, tabStop, font, 0, Align::Left, false, Pointer::Default,
            nullptr};
}

const ControlSpec controls[] = {
    control(promptLabel, ControlKind::WrappingLabel, 8, 8, 256, 112, welcomePrompt, true, false),
    control(linkLabel, ControlKind::Label, 8, 80, 256, 40, "点此进入VYR软件工作室", true, false, linkFont),
    control(fontPreviewLabel, ControlKind::Label, 104, 48, 160, 24, "VYR软件工作室", false, false, previewFont),
    control(fontCombo, ControlKind::ComboBox, 8, 48, 96, 20, "", false, true),
    control(mainEdit, ControlKind::Edit, 8, 48, 192, 24, "", false, true),
    control(timesLabel, ControlKind::Label, 104, 48, 24, 24, "×", false, false, timesFont),
    control(secondEdit, ControlKind::Edit, 136, 48, 80, 24, "", false, true),
    control(titleCaption, ControlKind::Label, 16, 32, 32, 24, "标题", false, false),
    control(pathCaption, ControlKind::Label, 16, 64, 32, 24, "路径", false, false),
    control(hotkeyCaption, ControlKind::Label, 16, 96, 32, 24, "热键", false, false),
    control(hotkeyEdit, ControlKind::Edit, 48, 96, 216, 24, "", false, true),
    control(browseButton, ControlKind::Button, 208, 48, 56, 24, "浏览…", false, true),
    control(backButton, ControlKind::Button, 24, 128, 64, 32, "上一步", false, true),
    control(nextButton, ControlKind::Button, 104, 128, 64, 32, "确定", true, true),
    control(cancelButton, ControlKind::Button, 184, 128, 64, 32, "取消", true, true),
};

void onButtonClicked(platform::ControlId button) {
    switch (button) {
        case nextButton: onNextClicked(); break;
        case backButton: onBackClicked(); break;
        case browseButton: onBrowseClicked(); break;
        case cancelButton: onCancelClicked(); break;
    }
}

void onKeyReleased(platform::ControlId control, int keyCode) {
    if (control == hotkeyEdit) onHotkeyKeyReleased(keyCode);
}

void onMousePressed(platform::ControlId control, int, int, int) {
    if (control == linkLabel) onLinkPressed();
}

void onListSelected(platform::ControlId list) {
    if (list == fontCombo) onFontListSelected();
}

}  // namespace

const platform::WindowSpec wizardWindow = {"VYR光盘自动播放菜单创建向导", 280, 200, true, 0, controls,
                                           sizeof controls / sizeof controls[0]};

const platform::WindowEvents wizardEvents = {onWindowCreated, onWindowDestroying, onButtonClicked, nullptr,
                                             onKeyReleased,   onMousePressed,     onListSelected};

const platform::FileDialogSpec iconDialog = {"选择光盘图标", "图标(*.ICO)", "*.ico", "ico"};
