#pragma once
// The texts promptLabel shows at each step.

#include "package/text_ops.h"
#include "wizard/wizard_window.h"

// Also the window's text as it is made.
inline constexpr char welcomePrompt[] =
    "    欢迎使用【VYR光盘自动播放菜单】向导！您可以根据提示创建一个属于您自己的光盘自动播放菜单！\r\n\r\n"
    "    确定要创建光盘自动播放菜单吗？";

// The prompt of any step but ItemEntry.
Text stepPrompt(WizardStep step);
Text itemPrompt(int item);
