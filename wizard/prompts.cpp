#include "wizard/prompts.h"

Text stepPrompt(WizardStep step) {
    switch (step) {
        case WizardStep::Welcome: return welcomePrompt;
        case WizardStep::TargetFolder:
            return "    请选择您要写入光盘的文件目录，如果留空将使用向导同一目录下的【VYRrunCD】子目录：";
        case WizardStep::IconChoice: return "    请选择您的光盘图标，图标格式为ICO，如果留空将使用默认图标：";
        case WizardStep::WindowSize: return "    请输入程序界面的宽度和高度，单位为像素，如果留空将默认使用800×600：";
        case WizardStep::MenuTitle: return "    请输入菜单程序的标题，如果留空将默认显示为【VYR光盘自动播放菜单】：";
        case WizardStep::MenuAuthor: return "    请输入菜单程序的作者，如果留空将默认显示为【VYR软件工作室倾情奉献】：";
        case WizardStep::MenuFont: return "    请选择菜单字体，如果留空将默认使用宋体：";
        case WizardStep::MenuFontSize: return "    请输入菜单字体字号，单位为点，如果留空将默认使用18点：";
        case WizardStep::ItemCount: return "    请输入菜单数量，如果留空将建立1个菜单项：";
        case WizardStep::ItemEntry: return itemPrompt(wizard.currentItem);
        case WizardStep::Finished:
            return "    您已经完成了一个光盘自动播放菜单！\r\n\r\n"
                   "    您可以单击【预览】按钮查看效果！\r\n\r\n"
                   "    谢谢您的使用，再见！";
    }
    return Text();
}

Text itemPrompt(int item) { return joinText(Text("    请输入第"), integerToText(item), "个菜单的参数："); }
